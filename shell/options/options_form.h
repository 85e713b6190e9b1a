#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>

#include "platform/core/canvas.h"
#include "platform/qt/tree_view.h"
#include "shell/advanced_form.h"
#include "shell/dialogs/dialog_host.h"
#include "shell/options/options_choices.h"

namespace platform {
class Button;
class CheckBox;
class Image;
class Label;
class Notebook;
}  // namespace platform

namespace shell {

// The options dialog "Customize": toolbar, display and confirmations, the card back and
// the table background with live samples, and the sound switch. OK stores the choices and
// draws the table with them; Cancel puts the settings back as they were. Either way the
// table is laid out and drawn again.
class TfrmCustomize_Freeware : public C_TAdvancedForm {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 1019;

    TfrmCustomize_Freeware(const DialogContext& context, QWidget* owner);

    // OptionsShownHook: runs when the dialog has loaded its values, before the player
    // sees them.
    std::function<void()> OptionsShownHook;

    // The dialog's apply step, run by every close.
    void ApplyOptionsToTable();

private:
    void BuildControls();
    void BuildGeneralPage(QWidget& page);
    void BuildDecksPage(QWidget& page);
    void BuildBackgroundsPage(QWidget& page);
    void FillTree(platform::TreeView& tree, std::span<const OptionNode> nodes);

    void FormShow();
    void FormClose();
    void btnOKClick();
    void trvBackGroundChange();
    void chkFadeBackgroundClick();

    void ShowCardBackSample();
    void ShowColourSample(platform::Image& image, platform::Colour colour);
    void ShowBackgroundSample();
    void ShowBackgroundSampleOf(int value);
    void SyncBackgroundSamples();
    // The value of the selected node of a tree, none when nothing is selected.
    static std::optional<int> SelectedValue(const platform::TreeView& tree);
    void SelectFirst(platform::TreeView& tree, int value);
    void SetField(engine::fields::Field field, std::string_view value);
    std::string Field(engine::fields::Field field) const;

    DialogContext m_context;
    bool m_noApply = true;
    platform::Colour m_chosenColour = 0;
    int m_openedBackground = 0;
    std::array<std::string, kCopiedFields.size()> m_copiedFields;

    platform::Notebook* TabbedNotebook1 = nullptr;
    platform::CheckBox* chkTBLargeIcons = nullptr;
    platform::CheckBox* chkTBFlatBtn = nullptr;
    platform::CheckBox* chkShowTime = nullptr;
    platform::CheckBox* chkShowScore = nullptr;
    platform::CheckBox* chkWinningAnimation = nullptr;
    platform::CheckBox* chkConfirmQuitGame = nullptr;
    platform::CheckBox* chkConfirmOnExit = nullptr;
    platform::TreeView* trvCardBack = nullptr;
    platform::Label* lblDecks = nullptr;
    platform::Image* imgSfondoEsempio2 = nullptr;
    platform::Image* imgDorsoEsempio = nullptr;
    platform::TreeView* trvBackGround = nullptr;
    platform::Label* lblBackGround = nullptr;
    platform::CheckBox* chkFadeBackground = nullptr;
    platform::Image* imgSfondoEsempio = nullptr;
    platform::CheckBox* chkSoundsEnabled = nullptr;
    platform::Button* btnOK = nullptr;
    platform::Button* btnAnnulla = nullptr;
    platform::Button* btnAiuto = nullptr;
};

// The Customize command and the table's pop-up commands: the dialog, shown modally and
// freed. The page is not used.
void OpenOptionsDialog(const DialogContext& context, int page = 0);

}  // namespace shell
