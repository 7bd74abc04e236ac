#include "platform/qt/file_dialog_filters.h"

#include <QString>
#include <QStringList>

namespace orvo {
namespace {

// The patterns of one pair, each also in lower and upper case, blank-separated.
QString patternsInEitherCase(const QString& patterns) {
    QStringList words;
    for (const QString& pattern : patterns.split(';')) {
        for (const QString& word : {pattern.trimmed(), pattern.trimmed().toLower(), pattern.trimmed().toUpper()}) {
            if (!word.isEmpty() && !words.contains(word)) words << word;
        }
    }
    return words.join(' ');
}

}  // namespace

std::vector<std::string> qtNameFilters(std::string_view filter) {
    QStringList parts = QString::fromUtf8(filter.data(), qsizetype(filter.size())).split('|');
    std::vector<std::string> result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = patternsInEitherCase(parts[i + 1]);
        if (patterns.isEmpty()) continue;
        // "Main TeX files (*.TEX)" already names its patterns: Qt reads the
        // last parenthesis, so it is replaced rather than repeated.
        qsizetype open = description.lastIndexOf('(');
        if (open >= 0 && description.endsWith(')')) description = description.left(open).trimmed();
        QString entry = (description.isEmpty() ? QString() : description + ' ') + '(' + patterns + ')';
        result.push_back(entry.toStdString());
    }
    return result;
}

}  // namespace orvo
