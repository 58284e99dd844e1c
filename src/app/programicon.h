#pragma once

#include <QIcon>

// The program's 32 x 32 icon: a small colour plane with a pick marker.
QIcon programIcon();
