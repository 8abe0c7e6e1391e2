#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace ortelia {

// Which German and foreign words a source uses together: each entry or example is one "line" of
// German words and the foreign words that translate it.
class Evidence {
public:
    void addLine(const QStringList &germanWords, const QStringList &foreignWords);
    // Lines that hold the German word (one word) and the foreign text's rarest word.
    int together(const QString &german, const QString &foreign) const;
    // Lines that hold the German word: how common it is in the source.
    int germanCount(const QString &german) const;
    int foreignCount(const QString &foreign) const;

private:
    using Lines = std::vector<int>;
    static void add(QHash<QString, Lines> &index, const QStringList &words, int line);

    QHash<QString, Lines> m_german;
    QHash<QString, Lines> m_foreign;
    int m_lines = 0;
};

} // namespace ortelia
