#include "ui/pages/InfoPage.h"

#include "engine/DesignFilePicture.h"
#include "engine/Vehicle.h"
#include "storage/DropDownLists.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/widgets/Cp1252Validator.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/pages/EditorHost.h"
#include "ui/widgets/MemoBox.h"
#include "ui/widgets/MemoText.h"
#include "ui/widgets/PaneSplitter.h"
#include "ui/document/PictureFile.h"
#include "ui/ProgramData.h"
#include "ui/widgets/PictureView.h"
#include "ui/document/VehicleDocument.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

// One text field of the design, its box or memo and its caption.
struct TInfoText {
    const char *caption;
    const char *control;
    std::string TBaseVehicle::*field;
};

namespace {

// In the order of the drop-down lists.
const TInfoText kBoxes[TInfoPage::BoxCount] = {
    {"Vehicle Type", "cbxInfoVehType", &TBaseVehicle::VehicleType},
    {"Vehicle Use", "cbxInfoVehUse", &TBaseVehicle::VehicleUse},
    {"Manufacturer", "cbxInfoManufacture", &TBaseVehicle::Manufacturer},
    {"Affilliation", "cbxInfoAffilliation", &TBaseVehicle::Affiliation},
    {"Engine Type", "cbxInfoEngineType", &TBaseVehicle::EngineType},
    {"Engine Output", "cbxInfoEngineOutPut", &TBaseVehicle::EngineOutput},
    {"Armor Material", "cbxInfoArmorMaterial", &TBaseVehicle::ArmorMaterial},
    {"Armor Thickness", "cbxInfoArmorThickness", &TBaseVehicle::ArmorThickness},
};

const TInfoText kNotes[] = {
    {"General", "descriptionMemo", &TBaseVehicle::Description},
    {"History", "historyMemo", &TBaseVehicle::History},
    {"Extra", "memoExtra", &TBaseVehicle::Extra},
};

constexpr int kDefaultNotesWidth = 300;
const QString kRemoveQuestion = QStringLiteral("Do you wish to remove the picture?");

} // namespace

TInfoPage::TInfoPage(TEditorHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    QWidget *notes = BuildNotes();
    auto *splitter =
        new TPaneSplitter(notes, BuildPicture(), TPaneSplitter::TKeptSide::Left, kDefaultNotesWidth, this);
    splitter->Handle()->setObjectName(QStringLiteral("infoSplitter"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(BuildBoxes());
    layout->addWidget(splitter, 1);
}

QWidget *TInfoPage::BuildBoxes()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    for (int i = 0; i < BoxCount; ++i) {
        const TInfoText &text = kBoxes[i];
        auto *box = new QComboBox(panel);
        box->setObjectName(QString::fromLatin1(text.control));
        box->setEditable(true);
        box->setValidator(new TCp1252Validator(box));
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(12);
        m_boxes[static_cast<size_t>(i)] = box;
        auto *caption = new QLabel(QString::fromLatin1(text.caption), panel);
        caption->setBuddy(box);
        const int row = i % 4;
        const int column = (i / 4) * 2;
        grid->addWidget(caption, row, column);
        grid->addWidget(box, row, column + 1);

        ConnectGuarded(box, &QComboBox::editTextChanged, this, [this, &text](const QString &typed) {
            if (m_showing)
                return;
            m_host.Document().SetModified();
            m_host.Document().Vehicle().*text.field = CutToWidth(cp1252::FromQt(typed), TBaseVehicle::TextCapacity);
        });
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

QWidget *TInfoPage::BuildNotes()
{
    m_notePages = new QTabWidget;
    m_notePages->setObjectName(QStringLiteral("notePages"));
    for (size_t i = 0; i < m_notes.size(); ++i) {
        const TInfoText &text = kNotes[i];
        auto *memo = new TMemoBox;
        memo->setObjectName(QString::fromLatin1(text.control));
        m_notes[i] = memo;
        m_notePages->addTab(memo, QString::fromLatin1(text.caption));
        ConnectGuarded(memo, &QPlainTextEdit::textChanged, this, [this, &text, memo] {
            if (m_showing)
                return;
            m_host.Document().SetModified();
            m_host.Document().Vehicle().*text.field = StoredMemoText(memo->toPlainText());
        });
    }
    return m_notePages;
}

QWidget *TInfoPage::BuildPicture()
{
    auto *pane = new QWidget;
    auto *panel = new QLabel(QStringLiteral("Double Click to change"), pane);
    panel->setObjectName(QStringLiteral("pnlPicture"));
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setMinimumSize(120, 120);
    m_picture = new TPictureView(panel);
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

    ConnectGuarded(m_picture, &TPictureView::doubleClicked, this, [this] { ChoosePicture(); });
    ConnectGuarded(m_picture, &TPictureView::mouseReleased, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            pmPictureRightUp();
    });
    return pane;
}

void TInfoPage::LoadDropDownLists()
{
    const TDropDownLists lists = SplitDropDownLists(ProgramData().DropDownText());
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

void TInfoPage::ShowTexts()
{
    const TVehicle &vehicle = m_host.Document().Vehicle();
    m_showing = true;
    for (size_t i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setEditText(cp1252::ToQt(vehicle.*kBoxes[i].field));
    for (size_t i = 0; i < m_notes.size(); ++i)
        m_notes[i]->setPlainText(MemoText(vehicle.*kNotes[i].field));
    m_showing = false;
}

void TInfoPage::ShowInfo()
{
    ShowTexts();
    ShowPicture();
}

void TInfoPage::ShowPicture()
{
    const std::vector<uint8_t> &bytes = m_host.Document().Vehicle().Picture;
    if (bytes.empty()) {
        m_picture->SetPicture(QImage());
        m_picture->SetStretch(false);
        return;
    }
    m_picture->SetStretch(true);
    m_picture->SetPicture(PictureFromDesign(bytes));
}

void TInfoPage::ChoosePicture()
{
    TFileDialogOptions pictureDialog;
    pictureDialog.filter = PictureDialogFilter();
    pictureDialog.mustExist = true;
    const QString path = Dialogs().OpenFileName(this, pictureDialog);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    // The design stores the picture uncompressed: a photo at full size makes a large file.
    const auto scaleDown = [this](const QSize &size) {
        return Dialogs().AskYesNo(this, QStringLiteral("The picture is %1 x %2 pixels, larger than the Info page can "
                                                       "show. Scale it down to fit %3 x %3 pixels before it is stored?")
                                            .arg(size.width())
                                            .arg(size.height())
                                            .arg(kShownPictureSide)) == TDialogAnswer::Yes;
    };
    QString problem;
    std::vector<uint8_t> bytes = PictureForDesign(path, problem, scaleDown);
    if (!problem.isEmpty()) {
        Dialogs().ShowError(this, problem);
        return;
    }
    m_host.Document().Vehicle().Picture = std::move(bytes);
    m_host.Document().SetModified();
    ShowPicture();
}

void TInfoPage::pmPictureRightUp()
{
    if (m_host.Document().Vehicle().Picture.empty())
        return;
    if (Dialogs().AskYesNo(this, kRemoveQuestion) != TDialogAnswer::Yes)
        return;
    m_host.Document().Vehicle().Picture.clear();
    m_host.Document().SetModified();
    ShowPicture();
}
