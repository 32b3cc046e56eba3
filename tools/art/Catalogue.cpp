#include "Catalogue.h"

#include <QString>
#include <QStringList>

namespace tessary::art {

QByteArray imageCatalogue(const std::vector<SamplePicture>& pictures) {
    QStringList lines{
        QStringLiteral("Tessary - sample pictures"),
        QStringLiteral("========================="),
        QString(),
        QStringLiteral(
            "These pictures are in the \"images\" folder beside the game. The Tessary team"),
        QStringLiteral(
            "painted them for the game with a small program of its own. Pick one in the"),
        QStringLiteral("image chooser after New Game, or use any BMP or JPEG picture you like."),
        QString(),
    };
    for (const SamplePicture& pic : pictures) {
        const QString size = QStringLiteral("%1 x %2").arg(pic.width).arg(pic.height);
        lines << QStringLiteral("%1 %2 %3")
                     .arg(QString::fromLatin1(pic.fileName), -21)
                     .arg(size, -11)
                     .arg(QString::fromUtf8(pic.description));
    }
    lines << QString();
    return lines.join(QStringLiteral("\r\n")).toUtf8();
}

} // namespace tessary::art
