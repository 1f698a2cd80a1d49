#pragma once

#include "base/SharedBytes.h"
#include "ui/pages/EditorPage.h"

#include <QWidget>

#include <array>

class QComboBox;
class QPlainTextEdit;
class QTabWidget;
namespace aw {

class EditorHost;
class PictureView;
struct InfoText;

// The "Info" page: the design's descriptive data, which no calculation reads but the
// sheets print. Eight classification texts in editable combo boxes whose suggestions come
// from the drop-down lists, three notes (general description, history, extra) and the
// picture: double-click to load one, right-click to remove it.
class InfoPage : public QWidget, public EditorPage {
    Q_OBJECT
public:
    static constexpr int BoxCount = 8;

    explicit InfoPage(EditorHost &host, QWidget *parent = nullptr);

    // Opening the page runs ShowInfo.
    void ShowPage() override { ShowInfo(); }
    // Refills the eight boxes' suggestions from the drop-down lists.
    void LoadDropDownLists() override;
    // Puts the notes, the eight texts and the picture of the design into the controls.
    void ShowInfo();
    void ShowPicture();

    // Double-click on the picture: choose a picture file and put it into the design.
    void ChoosePicture();
    // Right mouse button released over the picture: offer to remove it.
    void OfferToRemovePicture();

    QComboBox *Box(int index) const { return m_boxes[static_cast<size_t>(index)]; }
    PictureView *Picture() const { return m_picture; }

private:
    QWidget *BuildBoxes();
    QWidget *BuildNotes();
    QWidget *BuildPicture();
    void ShowTexts();

    EditorHost &m_host;
    bool m_showing = false;
    bool m_dropDownFailureShown = false;
    std::array<QComboBox *, BoxCount> m_boxes{};
    std::array<QPlainTextEdit *, 3> m_notes{};
    QTabWidget *m_notePages = nullptr;
    PictureView *m_picture = nullptr;
    // The design's picture as last shown. An undo or a return to the page mostly finds the
    // same shared bytes, and decoding a large picture again would stall the window. Holding
    // them keeps at most one picture alive that the design no longer uses.
    SharedBytes m_shownPicture;
};

} // namespace aw
