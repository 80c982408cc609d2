#include "desktop/faces.h"

#include <QFontDatabase>
#include <QRegularExpression>

#include "desktop/painting.h"

namespace desktop {

namespace {

bool Names(const QString& face, const char16_t* japanese, const char* latin) {
  return face.contains(QString::fromUtf16(japanese)) ||
         face.contains(QLatin1String(latin), Qt::CaseInsensitive);
}

// "ＭＳ Ｐゴシック", "MS PGothic", "ＭＳ Ｐ明朝": a proportional face carries a P before its name.
bool Proportional(const QString& face) {
  static const QRegularExpression kMarked(QString::fromUtf16(u"[PＰ] ?(ゴシック|明朝|Gothic|Mincho)"),
                                          QRegularExpression::CaseInsensitiveOption);
  return face.isEmpty() || face.contains(kMarked);
}

// The first installed family of the list; its last when none is.
QString FirstInstalled(const QStringList& families) {
  for (const QString& family : families)
    if (QFontDatabase::hasFamily(family)) return family;
  return families.back();
}

}  // namespace

QStringList MappedFamilies(const ui::Text& name) {
  QString face = ToQString(name);
  bool serif = Names(face, u"明朝", "Mincho");
  bool proportional = Proportional(face);
  if (serif)
    return {proportional ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAMincho"),
            QStringLiteral("Noto Serif CJK JP")};
  return {proportional ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAGothic"),
          QStringLiteral("Noto Sans CJK JP")};
}

QString MappedFamily(const ui::Text& name) {
  return FirstInstalled(MappedFamilies(name));
}

QString PrintFamily() {
  return FirstInstalled({QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"), MappedFamily({})});
}

}  // namespace desktop
