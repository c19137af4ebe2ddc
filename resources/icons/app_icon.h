#pragma once
// The program's own icon, every size that is compiled into the binary.

#include <QIcon>

namespace resources {

QIcon ApplicationIcon();

} // namespace resources
