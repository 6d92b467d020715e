#include "RadioCommands.h"

#include "AppConfig.h"
#include "BandState.h"
#include "CloneProgressDialog.h"
#include "MemoryImage.h"
#include "PortDialog.h"

namespace RadioCommands {

bool choosePort(QWidget* parent) {
    PortDialog dialog(scanPorts(), theConfig().portName, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QString chosen = dialog.chosenPort();
    const bool changed = chosen != theConfig().portName;
    theConfig().portName = chosen;
    return changed;
}

bool transfer(CloneDirection direction, QWidget* parent) {
    CloneProgressDialog dialog(direction, theConfig().portName, theImage(), theCloneFlags(),
                               parent);
    dialog.exec();
    if (dialog.succeeded() && direction == CloneDirection::Read)
        theBandState().loadLimitsFromImage(theImage());
    return dialog.succeeded();
}

} // namespace RadioCommands
