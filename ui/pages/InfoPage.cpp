#include "ui/pages/InfoPage.h"

#include "base/ArmorwrightError.h"
#include "engine/DesignFilePicture.h"
#include "engine/Vehicle.h"
#include "storage/DropDownLists.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/ProgramData.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/document/PictureFile.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/EditorHost.h"
#include "ui/widgets/Cp1252Validator.h"
#include "ui/widgets/MemoBox.h"
#include "ui/widgets/MemoText.h"
#include "ui/widgets/PaneSplitter.h"
#include "ui/widgets/PictureView.h"
#include "ui/widgets/StartShownEdit.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace aw {

// One text field of the design, its box or memo and its caption.
struct InfoText {
    const char *Caption;
    const char *Control;
    std::string BaseVehicle::*Field;
};

namespace {

// In the order of the drop-down lists.
const InfoText kBoxes[InfoPage::BoxCount] = {
    {"Vehicle Type", "cbxInfoVehType", &BaseVehicle::VehicleType},
    {"Vehicle Use", "cbxInfoVehUse", &BaseVehicle::VehicleUse},
    {"Manufacturer", "cbxInfoManufacture", &BaseVehicle::Manufacturer},
    {"Affilliation", "cbxInfoAffilliation", &BaseVehicle::Affiliation},
    {"Engine Type", "cbxInfoEngineType", &BaseVehicle::EngineType},
    {"Engine Output", "cbxInfoEngineOutPut", &BaseVehicle::EngineOutput},
    {"Armor Material", "cbxInfoArmorMaterial", &BaseVehicle::ArmorMaterial},
    {"Armor Thickness", "cbxInfoArmorThickness", &BaseVehicle::ArmorThickness},
};

const InfoText kNotes[] = {
    {"General", "descriptionMemo", &BaseVehicle::Description},
    {"History", "historyMemo", &BaseVehicle::History},
    {"Extra", "memoExtra", &BaseVehicle::Extra},
};

constexpr int kDefaultNotesWidth = 300;
const QString kRemoveQuestion = QStringLiteral("Do you wish to remove the picture?");

} // namespace

InfoPage::InfoPage(EditorHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    QWidget *notes = BuildNotes();
    auto *splitter = new PaneSplitter(notes, BuildPicture(), PaneSplitter::KeptSide::Left, kDefaultNotesWidth, this);
    splitter->Handle()->setObjectName(QStringLiteral("infoSplitter"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(BuildBoxes());
    layout->addWidget(splitter, 1);
}

QWidget *InfoPage::BuildBoxes()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    for (int i = 0; i < BoxCount; ++i) {
        const InfoText &text = kBoxes[i];
        auto *box = new QComboBox(panel);
        box->setObjectName(QString::fromLatin1(text.Control));
        box->setEditable(true);
        box->setLineEdit(new StartShownEdit(box));
        box->setValidator(new Cp1252Validator(box));
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
        m_boxes[static_cast<size_t>(i)] = box;
        auto *caption = new QLabel(QString::fromLatin1(text.Caption), panel);
        caption->setBuddy(box);
        const int row = i % 4;
        const int column = (i / 4) * 2;
        grid->addWidget(caption, row, column);
        grid->addWidget(box, row, column + 1);

        ConnectGuarded(box, &QComboBox::editTextChanged, this, [this, &text](const QString &typed) {
            if (m_showing)
                return;
            m_host.Document().SetModified();
            m_host.Document().Design().*text.Field = CutToWidth(cp1252::FromQt(typed), BaseVehicle::TextCapacity);
        });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

QWidget *InfoPage::BuildNotes()
{
    m_notePages = new QTabWidget;
    m_notePages->setObjectName(QStringLiteral("notePages"));
    for (size_t i = 0; i < m_notes.size(); ++i) {
        const InfoText &text = kNotes[i];
        auto *memo = new MemoBox;
        memo->setObjectName(QString::fromLatin1(text.Control));
        m_notes[i] = memo;
        m_notePages->addTab(memo, QString::fromLatin1(text.Caption));
        ConnectGuarded(memo, &QPlainTextEdit::textChanged, this, [this, &text, memo] {
            if (m_showing)
                return;
            m_host.Document().SetModified();
            m_host.Document().Design().*text.Field = StoredMemoText(memo->toPlainText());
        });
    }
    return m_notePages;
}

QWidget *InfoPage::BuildPicture()
{
    auto *pane = new QWidget;
    auto *panel = new QLabel(QStringLiteral("Double Click to change"), pane);
    panel->setObjectName(QStringLiteral("pnlPicture"));
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setMinimumSize(120, 120);
    m_picture = new PictureView(panel);
    m_picture->setObjectName(QStringLiteral("pmPicture"));
    m_picture->SetCenter(true);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(m_picture);

    auto *hint = new QLabel(QStringLiteral("Right Click to Remove"), pane);
    hint->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel, 1);
    layout->addWidget(hint);

    ConnectGuarded(m_picture, &PictureView::DoubleClicked, this, [this] { ChoosePicture(); });
    ConnectGuarded(m_picture, &PictureView::MouseReleased, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            OfferToRemovePicture();
    });
    return pane;
}

void InfoPage::LoadDropDownLists()
{
    DropDownLists lists;
    try {
        lists = SplitDropDownLists(CurrentProgramData().DropDownText());
    } catch (const ArmorwrightError &error) {
        // The design is shown all the same, with no suggestions; said once, not at each Open.
        if (!std::exchange(m_dropDownFailureShown, true))
            Dialogs().ShowError(this, QString::fromStdString(ErrorUtf8(error)));
    }
    m_showing = true;
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        QComboBox *box = m_boxes[i];
        box->clear();
        for (const std::string &item : lists[i])
            box->addItem(cp1252::ToQt(item));
    }
    m_showing = false;
    // Filling the lists changed the boxes' texts; they show the design's again.
    ShowTexts();
}

void InfoPage::ShowTexts()
{
    const Vehicle &vehicle = m_host.Document().Design();
    m_showing = true;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setEditText(cp1252::ToQt(vehicle.*kBoxes[i].Field));
    for (size_t i = 0; i < m_notes.size(); ++i)
        m_notes[i]->setPlainText(MemoText(vehicle.*kNotes[i].Field));
    m_showing = false;
}

void InfoPage::ShowInfo()
{
    ShowTexts();
    ShowPicture();
}

void InfoPage::ShowPicture()
{
    const SharedBytes &picture = m_host.Document().Design().Picture;
    if (picture.empty()) {
        m_shownPicture.clear();
        m_picture->SetPicture(QImage());
        m_picture->SetStretch(false);
        return;
    }
    m_picture->SetStretch(true);
    if (picture.SharesWith(m_shownPicture))
        return;
    m_picture->SetPicture(PictureFromDesign(picture));
    m_shownPicture = picture;
}

void InfoPage::ChoosePicture()
{
    FileDialogOptions pictureDialog;
    pictureDialog.Filter = PictureDialogFilter();
    pictureDialog.MustExist = true;
    const QString path = Dialogs().OpenFileName(this, pictureDialog);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    // The design stores the picture uncompressed: a photo at full size makes a large file.
    const auto scaleDown = [this](const QSize &size) {
        return Dialogs().AskYesNo(this, QStringLiteral("The picture is %1 x %2 pixels, larger than the Info page can "
                                                       "show. Scale it down to fit %3 x %3 pixels before it is stored?")
                                            .arg(size.width())
                                            .arg(size.height())
                                            .arg(kShownPictureSide)) == DialogAnswer::Yes;
    };
    QString problem;
    std::vector<uint8_t> bytes = PictureForDesign(path, problem, scaleDown);
    if (!problem.isEmpty()) {
        Dialogs().ShowError(this, problem);
        return;
    }
    m_host.Document().Design().Picture = std::move(bytes);
    m_host.Document().SetModified();
    ShowPicture();
}

void InfoPage::OfferToRemovePicture()
{
    if (m_host.Document().Design().Picture.empty())
        return;
    if (Dialogs().AskYesNo(this, kRemoveQuestion) != DialogAnswer::Yes)
        return;
    m_host.Document().Design().Picture.clear();
    m_host.Document().SetModified();
    ShowPicture();
}

} // namespace aw
