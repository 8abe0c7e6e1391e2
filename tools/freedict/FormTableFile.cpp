#include "FormTableFile.h"

#include "EnglishRules.h"
#include "FileSave.h"
#include "FormChoice.h"
#include "SemicolonTable.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace ortelia::FormTableFile {

std::optional<FormList> readHand(const QString &path, QString &error)
{
    const auto rows = SemicolonTable::read(path, QStringLiteral("Form;Grundform"), [](const SemicolonTable::Row &row) {
        return row.size() == 2 && !row[0].isEmpty() && !row[1].isEmpty();
    }, error);
    if (!rows)
        return std::nullopt;
    FormList forms;
    for (const SemicolonTable::Row &row : *rows)
        forms.add(row[0], row[1], FormKind::Hand);
    return forms;
}

QByteArray text(const QStringList &lines, const QString &header)
{
    std::vector<std::pair<QByteArray, QByteArray>> sorted; // form, line
    for (const QString &line : lines) {
        const QByteArray bytes = line.toUtf8();
        sorted.emplace_back(bytes.left(bytes.indexOf(';')), bytes);
    }
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QByteArray out = "\xEF\xBB\xBF" + header.toUtf8() + '\n';
    for (const auto &[form, line] : sorted)
        out += line + '\n';
    return out;
}

namespace {

// Lines of the sources in which a plural and its own first translation meet, from which on it is a
// word of its own.
constexpr int kOwnSenseLines = 50;

QString written(const QString &path, const QStringList &lines)
{
    const SaveResult saved = saveFile(path, text(lines));
    return saved ? QString() : saved.message();
}

} // namespace

QString writeAll(const Glossary &glossary, const QString &handTablePath, const QString &programDir)
{
    QString error;
    const QFileInfo hand(handTablePath);
    const std::optional<FormList> german = readHand(handTablePath, error);
    const std::optional<FormList> english =
        german ? readHand(hand.dir().filePath(hand.completeBaseName() + QStringLiteral("-en_US.tab")), error)
               : std::nullopt;
    if (!english)
        return error;
    const auto germanUse = [&glossary](const QString &base) {
        return glossary.firstTranslation(base).isEmpty() ? BaseUse::None
               : glossary.hasGeneralSense(base)          ? BaseUse::General
                                                         : BaseUse::Marked;
    };
    // A plural keeps its own key where that is a noun in the singular too ("Essen", not the plural
    // of "Esse") or where the sources often use it as a noun of its own ("Daten": data); a verb of
    // the same letters does not ("Fragen": Frage, "fragen" the verb), nor a plural that says its
    // singular's sense in the plural ("Ringe": ring, not rings).
    const auto ownWord = [&glossary](const QString &form, const QString &) {
        const QString first = glossary.firstTranslation(form);
        if (first.isEmpty())
            return false;
        return glossary.hasSingularNoun(form) ||
               (glossary.hasGeneralSense(form) && glossary.firstWordClass(form) != WordClass::Verb &&
                glossary.evidence().together(form, first) >= kOwnSenseLines);
    };
    // The English bases are translations of the glossary's keys, whose forms they come with.
    const auto englishUse = [](const QString &) { return BaseUse::General; };
    error = written(programDir + QStringLiteral("/Grundformen.tab"),
                    chooseFormLines(*german, glossary.forms(), germanUse, ownWord));
    if (error.isEmpty())
        error = written(programDir + QStringLiteral("/Grundformen-en_US.tab"),
                        chooseFormLines(*english, glossary.foreignForms(), englishUse));
    return error;
}

} // namespace ortelia::FormTableFile
