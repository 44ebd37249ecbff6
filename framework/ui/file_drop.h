#pragma once

#include <string>

class QObject;

namespace framework {

class RectControl;

// Makes `control` a drop target for files of the registered type `typeName`.
// A drag is offered to it when its first item is such a file or a folder, so
// that the control can answer a folder; any other drag is refused while it is
// dragged. A drop raises the control's DropObject event with the first item.
void InstallFileDrop(RectControl& control, std::string typeName, QObject* context);

}  // namespace framework
