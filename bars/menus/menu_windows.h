#pragma once

namespace bars {

// Makes sub items' links open menu windows and gives sub items and container items their
// controls (toolbar windows included); registers the list and container item classes for
// descriptions. Idempotent.
void InstallMenuWindows();
void RemoveMenuWindows();

}  // namespace bars
