#pragma once

#include <string>

// The sortable grid's option sets and styles.
namespace shell {

enum class TSortStyle { ssAutomatic, ssNormal, ssNumeric, ssExtended, ssDateTime, ssTime };
enum class TSortDirection { sdAscending, sdDescending };
enum class TCellBevelStyle { cbNone, cbRaised, cbLowered };
enum class TVertAlignment { taTopJustify, taBottomJustify, taMiddle };
enum class THorzAlignment { taLeftJustify, taRightJustify, taCenter };

struct TSortOptions {
    TSortStyle SortStyle = TSortStyle::ssAutomatic;
    bool SortCaseSensitive = false;
    int SortCol = 0;
    TSortDirection SortDirection = TSortDirection::sdAscending;
};

// Kept with the grid for a print step; the program prints no grid.
struct TPrintOptions {
    std::string JobTitle;
    std::string PageTitle;
    int Copies = 1;
    int FromRow = 0;
    int ToRow = 0;
    int PreviewPage = 1;
};

struct TSearchOptions {
    bool Filtered = false;
    int SearchCol = 0;
    bool CaseSensitive = false;
    std::string SearchText;
};

}  // namespace shell
