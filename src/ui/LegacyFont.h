#pragma once

#include <QFont>

// The windows were laid out for "MS Sans Serif"; where the desktop lacks it,
// its own sans-serif face stands in at the same point size.
QFont LegacyFont(double pointSize, bool bold = false);
