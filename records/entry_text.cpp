// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/entry_text.h"

#include "resources/translations.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>

#include <cstring>
#include <ctime>

namespace cw {
namespace {

bool IsContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// English shows the C library's text, two-space day and all; another language shows the same
// fields through QLocale in its own words and order.
QString LocalDateText(std::uint32_t time) {
    //: The Top Players date: a QLocale date-time pattern (ddd weekday, MMM month, d day,
    //: HH:mm:ss time, yyyy year) with all five fields in this language's usual order.
    const QString pattern = QCoreApplication::translate("TopPlayers", "ddd MMM d HH:mm:ss yyyy");
    return GameLocale().toString(QDateTime::fromSecsSinceEpoch(time), pattern);
}

// U+2400 to U+241F picture the controls 0 to 31, U+2421 DEL.
constexpr char16_t kControlPictures = 0x2400;
constexpr char16_t kDeletePicture = 0x2421;

QChar VisibleCharacter(QChar character) {
    if (character.unicode() < 0x20)
        return QChar(static_cast<char16_t>(kControlPictures + character.unicode()));
    if (character.unicode() == 0x7F)
        return QChar(kDeletePicture);
    return QChar::ReplacementCharacter;
}

// Controls would break or blank the one-line field; the line and paragraph separators break
// its line as a line feed does.
bool NeedsAPicture(QChar character) {
    const QChar::Category category = character.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}

} // namespace

QString ShownNameText(const ScoreEntry& entry) {
    QString text = NameText(entry);
    for (QChar& character : text) {
        if (NeedsAPicture(character))
            character = VisibleCharacter(character);
    }
    return text;
}

QString NameText(const ScoreEntry& entry) {
    return QString::fromUtf8(entry.name, static_cast<qsizetype>(strnlen(entry.name, kNameBytes)));
}

QByteArray CutName(const QString& name) {
    QByteArray bytes = name.toUtf8();
    // A zero byte would end the stored name early anyway; cut there explicitly.
    if (const qsizetype zero = bytes.indexOf('\0'); zero >= 0)
        bytes.truncate(zero);
    if (bytes.size() <= kMaxNameBytes)
        return bytes;
    qsizetype cut = kMaxNameBytes;
    while (cut > 0 && IsContinuationByte(bytes[cut]))
        --cut;
    bytes.truncate(cut);
    return bytes;
}

void StoreName(ScoreEntry& entry, const QString& name) {
    const QByteArray bytes = CutName(name);
    std::memcpy(entry.name, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    entry.name[bytes.size()] = '\0';
}

QString DateText(std::uint32_t time) {
    if (time == 0)
        return QString();
    if (GameLanguage() != QLatin1String("en"))
        return LocalDateText(time);
    const std::time_t seconds = time;
    const char* text = std::ctime(&seconds);
    // Without the line break the C library ends it with; it begins with the weekday.
    return text != nullptr ? QString::fromLatin1(text).trimmed() : QString();
}

} // namespace cw
