// SPDX-License-Identifier: Apache-2.0
#include "app/FormFont.h"

#include <QFontDatabase>
#include <QHash>

namespace app {

namespace {

// Whether the system has the family, asked once a family: each question about a missing family
// is a search of the system's fonts.
bool installed(const QString& family) {
  static QHash<QString, bool> known;
  const auto found = known.constFind(family);
  if (found != known.constEnd()) return *found;
  return *known.insert(family, QFontDatabase::hasFamily(family));
}

}  // namespace

QFont formFont(const char* family, qreal pointSize, bool bold, const char* standIn) {
  // The stand-in is chosen here rather than listed after the family: a font asked for by a
  // missing family costs a second search of the system's fonts, and start-up pays it.
  const QString name = QLatin1String(family);
  QFont font(standIn && !installed(name) ? QLatin1String(standIn) : name);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace app
