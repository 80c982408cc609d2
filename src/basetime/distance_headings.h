#pragma once
// The heading row of the twelve distances, shared by the check window's grids and the
// standard-time view.

#include <array>

#include "model/text.h"

namespace basetime {

inline const std::array<model::Text, 12> kDistanceHeadings = {u"1000m", u"1200m", u"1400m", u"1500m",
                                                              u"1600m", u"1700m", u"1800m", u"2000m",
                                                              u"2100m", u"2200m", u"2300m", u"2400m"};

}  // namespace basetime
