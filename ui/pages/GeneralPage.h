#pragma once

#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class TEditorHost;
class TExitComboBox;
class TExitEdit;
class TMovementPages;
class TSpinButton;
struct TGeneralNumberBox;
struct TResultTexts;

// The "General" page: the movement tabs above, and the design's scalar fields below
// (crew, armour, sensors, communications, fire control, deployment, maneuver, final size
// and size type, availability, number on field, production, currency, mass and
// dimensions) with the derived values the results refresh fills in.
class TGeneralPage : public QWidget {
    Q_OBJECT
public:
    explicit TGeneralPage(TEditorHost &host, QWidget *parent = nullptr);
    ~TGeneralPage() override;

    TMovementPages *MovementPages() const { return m_movement; }

    // Fills every edit box from the design, then refreshes the results.
    void ShowGeneral();
    // Fills the production group from the design, then refreshes the results.
    void ShowProduction();
    // Writes the derived values of a results refresh.
    void ShowResultTexts(const TResultTexts &texts, int sizeType);

private:
    void BuildControls();
    void TakeNumber(const TGeneralNumberBox &box, TExitEdit *edit);
    void NumberSpin(const TGeneralNumberBox &box, int direction);
    void Redisplay(const TGeneralNumberBox &box);
    void ChooseStandardProduction(bool checked);
    void ChooseCustomProduction(bool checked);
    void SelectStandardProduction(int index);

    TEditorHost &m_host;
    TMovementPages *m_movement = nullptr;
    std::vector<std::pair<const TGeneralNumberBox *, TExitEdit *>> m_numberEdits;

    TExitEdit *m_eCurrName = nullptr;
    TExitEdit *m_eField = nullptr;
    TExitEdit *m_eActualMass = nullptr;
    TExitEdit *m_eHeight = nullptr;
    TExitEdit *m_eWidth = nullptr;
    TExitEdit *m_eLength = nullptr;
    TExitEdit *m_eFinalSize = nullptr;
    QComboBox *m_cbSizeType = nullptr;
    QLabel *m_lblMass = nullptr;
    QLabel *m_lblDefaultSize = nullptr;
    QLabel *m_lblDefaultCost = nullptr;
    QLabel *m_lblPreProductionCost = nullptr;

    QRadioButton *m_rbProStandard = nullptr;
    QRadioButton *m_rbProCustom = nullptr;
    TExitComboBox *m_cbProStandard = nullptr;
    QLineEdit *m_eProStandard = nullptr;
    QLineEdit *m_eProStandardModel = nullptr;
    QLineEdit *m_eProStandardIndiv = nullptr;
    QLineEdit *m_eProStandardMult = nullptr;
    TExitEdit *m_eProCustomName = nullptr;
    TExitEdit *m_eProCustomDef = nullptr;
    TExitEdit *m_eProCustomModel = nullptr;
    TExitEdit *m_eProCustomIndiv = nullptr;
    TExitEdit *m_eProCustomMult = nullptr;
};
