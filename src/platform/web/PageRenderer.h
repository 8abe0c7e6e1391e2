#pragma once

#include <QString>

#include <functional>

namespace ortelia::web {

class DataSource;
class Document;

// Draws a document as the rich text of a QTextBrowser: colours, fonts, tables and images pass,
// hidden elements and scripts do not, form fields show their values, buttons and links become
// anchors ("ortelia-click:<node>" for elements with a click action). A table bound to a data
// object repeats its rows for the filtered records (at most kMaxTableRows of them). Every text
// is escaped: nothing a record or field holds can become markup.
class PageRenderer {
public:
    using DataSourceLookup = std::function<DataSource *(const QString &id)>;

    static constexpr int kMaxTableRows = 1000;

    static QString toHtml(const Document &document, const QString &pageDir, const DataSourceLookup &sources);
};

} // namespace ortelia::web
