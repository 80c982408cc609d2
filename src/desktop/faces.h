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
// The face printouts are set in: a TrueType Japanese Gothic, embedded in a PDF with a map from each
// glyph back to its one character, so that the PDF's text copies and searches as printed; the
// fixed-pitch one first, since the sheets line up their headings with half-width blanks ("（開 催 日）"
// over "（馬場状態）"). The CJK fallback's shared glyphs read back as radicals, so it serves only where
// no IPA Gothic is installed.
QString PrintFamily();

}  // namespace desktop
