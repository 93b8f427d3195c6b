#include "app/controls/Mnemonics.h"

#include <QSet>

namespace korvex::app {

QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

QStringList withMnemonics(const QStringList& texts) {
    QSet<QChar> taken;
    for (const QString& text : texts) {
        if (const QChar letter = mnemonicOf(text); !letter.isNull()) {
            taken.insert(letter);
        }
    }
    QStringList marked;
    for (const QString& text : texts) {
        if (!mnemonicOf(text).isNull()) {
            marked.append(text);
            continue;
        }
        qsizetype chosen = -1;
        for (const bool wordStartsOnly : {true, false}) {
            for (qsizetype i = 0; i < text.size() && chosen < 0; ++i) {
                const bool wordStart = i == 0 || text[i - 1] == QLatin1Char(' ');
                if (text[i].isLetterOrNumber() && (wordStart || !wordStartsOnly) &&
                    !taken.contains(text[i].toLower())) {
                    chosen = i;
                }
            }
        }
        if (chosen < 0) {
            marked.append(text);
            continue;
        }
        taken.insert(text[chosen].toLower());
        marked.append(QString(text).insert(chosen, QLatin1Char('&')));
    }
    return marked;
}

}  // namespace korvex::app
