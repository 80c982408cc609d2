#pragma once
// The installed faces that stand in for the faces the windows name. The windows were drawn with the
// platform's Japanese faces, whose proportional Gothic has kana about a fifth narrower than a full em;
// the IPA faces keep those widths (proportional and fixed-pitch, Gothic and Mincho alike), where Noto
// Sans CJK JP draws every kana full width and breaks captions sized for the narrower ones.

#include <QString>
#include <QStringList>

#include "ui/control.h"

namespace desktop {

// The families to draw a face with, best first: its IPA counterpart, then Noto CJK JP as the fallback
// when the IPA faces are missing. An empty name is the windows' default face, the proportional Gothic.
QStringList MappedFamilies(const ui::Text& face);
// The first of those that is installed (the fallback when none is), for a painter that takes one family.
QString MappedFamily(const ui::Text& face);

}  // namespace desktop
