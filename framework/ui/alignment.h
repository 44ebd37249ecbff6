#pragma once

#include <QtCore/qnamespace.h>

#include <cstdint>

namespace framework {

// The toolkit's alignment for a text alignment value: 0 and 1 left,
// 2 centred, 3 right; always centred vertically.
inline Qt::Alignment ToolkitAlignment(int32_t align) {
  Qt::Alignment horizontal = align == 2   ? Qt::AlignHCenter
                             : align == 3 ? Qt::AlignRight
                                          : Qt::AlignLeft;
  return horizontal | Qt::AlignVCenter;
}

}  // namespace framework
