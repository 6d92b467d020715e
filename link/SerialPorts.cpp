#include "SerialPorts.h"
#include "SystemSerialLink.h"

bool canOpenPort(const QString& name) {
    SystemSerialLink link;
    return link.open(name, nullptr, nullptr);
}
