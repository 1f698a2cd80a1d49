#pragma once

#include "ui/pages/MovementSystemView.h"

#include <QTabWidget>

class QListWidget;
class QPushButton;
namespace aw {

class EditorHost;
struct MovementRecord;

// The movement tabs of the General page: "Primary" and "Secondary" edit systems 0 and 1
// of the design's movement list, "More" lists the additional systems and opens the
// movement editor for them.
class MovementPages : public QTabWidget {
    Q_OBJECT
public:
    explicit MovementPages(EditorHost &host, QWidget *parent = nullptr);

    // Fills both mode lists from the movement library.
    void LoadModeLists();
    // Shows the primary, secondary and additional systems, then refreshes the results.
    void ShowMovement();

    // The "More" tab's commands.
    void NewMovementSystem();
    void DeleteMovementSystem();
    void EditMovementSystem();
    void MoveMovementSystemDown();
    void MoveMovementSystemUp();

private:
    QWidget *BuildSystemTab(const QString &prefix, const QString &maneuverCaption, MovementSystemView &view);
    QWidget *BuildMoreTab();
    void ConnectSystem(int slot);

    // Handlers of the Primary (slot 0) and Secondary (slot 1) tabs.
    void ChooseMode(int slot, int item);
    void TakeModeName(int slot);
    // Applies edit to system slot when it exists; sets the flag and shows the systems.
    void ChangeSystem(int slot, const MovementSystemView::Edit &edit);

    EditorHost &m_host;
    MovementSystemView m_views[2];
    QListWidget *m_systemList = nullptr;
    QPushButton *m_newSystemButton = nullptr;
    QPushButton *m_deleteSystemButton = nullptr;
    QPushButton *m_editSystemButton = nullptr;
    SpinButton *m_moveSystemSpin = nullptr;
};

} // namespace aw
