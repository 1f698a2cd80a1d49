#pragma once

namespace aw {

// A page of the main window's page control that shows the current design. The main window
// calls ShowPage whenever the page is opened, and LoadDropDownLists whenever the window is
// shown (after New and Open too), so each page shows the design as it is now.
class EditorPage {
public:
    virtual ~EditorPage() = default;

    virtual void ShowPage() = 0;
    virtual void LoadDropDownLists() {}
};

} // namespace aw
