#pragma once

#include <QWidget>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
namespace aw {

class EditorHost;
class ExitComboBox;
class ExitEdit;
class MovementPages;
class SpinButton;
struct GeneralNumberBox;
struct ResultTexts;

// How the page's number box for a design field (named as in the design's field list, the
// production record's as "CustomProduction.CustomModelDice") shows a value; nothing for a
// field without such a box, or whose box the results fill.
std::optional<std::string> GeneralBoxText(std::string_view field, double value);

// The "General" page: the movement tabs above, and the design's scalar fields below
// (crew, armour, sensors, communications, fire control, deployment, maneuver, final size
// and size type, availability, number on field, production, currency, mass and
// dimensions) with the derived values the results refresh fills in.
class GeneralPage : public QWidget {
    Q_OBJECT
public:
    explicit GeneralPage(EditorHost &host, QWidget *parent = nullptr);
    ~GeneralPage() override;

    MovementPages *MovementTabs() const { return m_movement; }

    // Fills every edit box from the design, then refreshes the results.
    void ShowGeneral();
    // Fills the production group from the design, then refreshes the results.
    void ShowProduction();
    // Writes the derived values of a results refresh.
    void ShowResultTexts(const ResultTexts &texts, int sizeType);

private:
    void BuildControls();
    void TakeNumber(const GeneralNumberBox &box, ExitEdit *edit);
    void NumberSpin(const GeneralNumberBox &box, int direction);
    void Redisplay(const GeneralNumberBox &box);
    void ChooseStandardProduction(bool checked);
    void ChooseCustomProduction(bool checked);
    void SelectStandardProduction(int index);

    EditorHost &m_host;
    MovementPages *m_movement = nullptr;
    std::vector<std::pair<const GeneralNumberBox *, ExitEdit *>> m_numberEdits;

    ExitEdit *m_eCurrName = nullptr;
    ExitEdit *m_eField = nullptr;
    ExitEdit *m_eActualMass = nullptr;
    ExitEdit *m_eHeight = nullptr;
    ExitEdit *m_eWidth = nullptr;
    ExitEdit *m_eLength = nullptr;
    ExitEdit *m_eFinalSize = nullptr;
    QComboBox *m_cbSizeType = nullptr;
    QLabel *m_lblMass = nullptr;
    QLabel *m_lblDefaultSize = nullptr;
    QLabel *m_lblDefaultCost = nullptr;
    QLabel *m_lblPreProductionCost = nullptr;

    QRadioButton *m_rbProStandard = nullptr;
    QRadioButton *m_rbProCustom = nullptr;
    ExitComboBox *m_cbProStandard = nullptr;
    QLineEdit *m_eProStandard = nullptr;
    QLineEdit *m_eProStandardModel = nullptr;
    QLineEdit *m_eProStandardIndiv = nullptr;
    QLineEdit *m_eProStandardMult = nullptr;
    ExitEdit *m_eProCustomName = nullptr;
    ExitEdit *m_eProCustomDef = nullptr;
    ExitEdit *m_eProCustomModel = nullptr;
    ExitEdit *m_eProCustomIndiv = nullptr;
    ExitEdit *m_eProCustomMult = nullptr;
};

} // namespace aw
