#include "PageRenderer.h"

#include "DataSource.h"
#include "HtmlDocument.h"
#include "ProgramFolder.h"

#include <QUrl>

namespace ortelia::web {

namespace {

const char *const kPassedTags[] = {"p", "div", "span", "br", "hr", "b", "i", "u", "s", "strong", "em", "font",
                                   "center", "h1", "h2", "h3", "h4", "h5", "h6", "ul", "ol", "li", "dl", "dt",
                                   "dd", "table", "thead", "tbody", "tfoot", "tr", "td", "th", "caption", "pre",
                                   "code", "tt", "small", "big", "sub", "sup", "blockquote", "nobr", "strike",
                                   "label", "address", "cite", "kbd", "samp", "var"};
const char *const kPassedAttributes[] = {"align", "valign", "bgcolor", "color", "face", "size", "width", "height",
                                         "border", "cellpadding", "cellspacing", "colspan", "rowspan", "style",
                                         "nowrap", "type", "start"};
const char *const kSkippedTags[] = {"head", "script", "style", "object", "param", "title", "meta", "link",
                                    "embed", "applet", "iframe", "frame", "frameset", "noscript"};

template <size_t N> bool listed(const char *const (&names)[N], const QString &name)
{
    for (const char *n : names) {
        if (name == QLatin1String(n))
            return true;
    }
    return false;
}

QString attributes(const Node *node)
{
    QString out;
    for (const auto &a : node->attributes) {
        if (listed(kPassedAttributes, a.first))
            out += QLatin1Char(' ') + a.first + QLatin1String("=\"") + Document::escapeAttribute(a.second) +
                   QLatin1Char('"');
    }
    return out;
}

QString styleOf(const Node *node)
{
    const QString style = node->attribute(QStringLiteral("style"));
    return style.isEmpty() ? QString() : QLatin1String(" style=\"") + Document::escapeAttribute(style) + QLatin1Char('"');
}

QString transformed(const Node *node, const QString &text)
{
    const QString transform = Document::styleValue(node, QStringLiteral("text-transform")).toLower();
    if (transform == QLatin1String("lowercase"))
        return text.toLower();
    if (transform == QLatin1String("uppercase"))
        return text.toUpper();
    return text;
}

QString multiline(const QString &text)
{
    QString escaped = Document::escapeText(text);
    escaped.replace(QLatin1String("\r\n"), QLatin1String("<br/>"));
    escaped.replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    return escaped;
}

class Renderer {
public:
    Renderer(const Document &document, const QString &pageDir, const PageRenderer::DataSourceLookup &sources)
        : m_document(document), m_pageDir(pageDir), m_sources(sources)
    {
    }

    QString run()
    {
        const Node *body = m_document.body();
        QString style;
        const QString bg = body->attribute(QStringLiteral("bgcolor"));
        const QString fg = body->attribute(QStringLiteral("text"));
        if (!bg.isEmpty())
            style += QLatin1String("background-color:") + bg + QLatin1Char(';');
        if (!fg.isEmpty())
            style += QLatin1String("color:") + fg + QLatin1Char(';');
        style += body->attribute(QStringLiteral("style"));
        m_out += QLatin1String("<html><body");
        if (!bg.isEmpty())
            m_out += QLatin1String(" bgcolor=\"") + Document::escapeAttribute(bg) + QLatin1Char('"');
        if (!style.isEmpty())
            m_out += QLatin1String(" style=\"") + Document::escapeAttribute(style) + QLatin1Char('"');
        m_out += QLatin1Char('>');
        children(body);
        m_out += QLatin1String("</body></html>");
        return m_out;
    }

private:
    void children(const Node *node)
    {
        for (const auto &child : node->children)
            render(child.get());
    }

    void render(const Node *node)
    {
        if (node->kind == Node::Kind::Text) {
            m_out += Document::escapeText(node->text);
            return;
        }
        if (node->kind != Node::Kind::Element || Document::isHidden(node) || listed(kSkippedTags, node->tag))
            return;
        if (node->is("input")) {
            input(node);
        } else if (node->is("button")) {
            button(node, Document::textContent(node));
        } else if (node->is("textarea")) {
            m_out += QLatin1String("<span") + styleOf(node) + QLatin1Char('>') +
                     multiline(transformed(node, node->value)) + QLatin1String("</span>");
        } else if (node->is("select")) {
            m_out += QLatin1String("<span") + styleOf(node) + QLatin1Char('>') + Document::escapeText(node->value) +
                     QLatin1String("</span>");
        } else if (node->is("img")) {
            image(node);
        } else if (node->is("a")) {
            anchor(node);
        } else if (node->is("table") && node->hasAttribute(QStringLiteral("datasrc"))) {
            boundTable(node);
        } else if (!node->hasAttribute(QStringLiteral("datasrc")) && node->hasAttribute(QStringLiteral("datafld")) &&
                   m_row >= 0) {
            element(node, [&] {
                m_out += multiline(transformed(node, m_table ? m_table->fieldAt(m_row, node->attribute(QStringLiteral("datafld")))
                                                             : QString()));
            });
        } else if (node->bound) {
            element(node, [&] { m_out += multiline(transformed(node, node->value)); });
        } else if (node->is("form")) {
            m_out += QLatin1String("<div") + styleOf(node) + QLatin1Char('>');
            children(node);
            m_out += QLatin1String("</div>");
        } else {
            element(node, [&] { children(node); });
        }
    }

    template <typename F> void element(const Node *node, F &&content)
    {
        const bool passed = listed(kPassedTags, node->tag);
        if (passed)
            m_out += QLatin1Char('<') + node->tag + attributes(node) + QLatin1Char('>');
        content();
        if (passed && node->tag != QLatin1String("br") && node->tag != QLatin1String("hr"))
            m_out += QLatin1String("</") + node->tag + QLatin1Char('>');
    }

    void clickable(const Node *node, const QString &inner)
    {
        m_out += QLatin1String("<a href=\"ortelia-click:") + QString::number(node->id) +
                 QLatin1String("\" style=\"text-decoration:none\">") + inner + QLatin1String("</a>");
    }

    void button(const Node *node, const QString &caption)
    {
        QString style = node->attribute(QStringLiteral("style"));
        if (style.isEmpty())
            style = QStringLiteral("background-color:#d4d0c8; color:#000000");
        clickable(node, QLatin1String("<span style=\"") + Document::escapeAttribute(style) + QLatin1String("\">&nbsp;") +
                            Document::escapeText(caption) + QLatin1String("&nbsp;</span>"));
    }

    void input(const Node *node)
    {
        const QString type = node->inputType();
        if (type == QLatin1String("button") || type == QLatin1String("submit") || type == QLatin1String("reset")) {
            button(node, node->value);
        } else if (type == QLatin1String("checkbox") || type == QLatin1String("radio")) {
            clickable(node, node->checked ? QStringLiteral("[x]") : QStringLiteral("[&nbsp;]"));
        } else if (type == QLatin1String("password")) {
            m_out += QLatin1String("<span") + styleOf(node) + QLatin1Char('>') +
                     QString(node->value.size(), QChar(0x2022)) + QLatin1String("</span>");
        } else if (type != QLatin1String("image") && type != QLatin1String("file")) {
            m_out += QLatin1String("<span") + styleOf(node) + QLatin1Char('>') +
                     Document::escapeText(transformed(node, node->value)) + QLatin1String("</span>");
        }
    }

    void image(const Node *node)
    {
        const QString src = node->attribute(QStringLiteral("src"));
        if (src.isEmpty() || src.contains(QLatin1String("://")))
            return;
        const QString path = ProgramFolder::resolve(m_pageDir, src);
        m_out += QLatin1String("<img src=\"") + Document::escapeAttribute(QUrl::fromLocalFile(path).toString()) +
                 QLatin1Char('"') + attributes(node) + QLatin1String(">");
    }

    void anchor(const Node *node)
    {
        if (node->hasAttribute(QStringLiteral("onclick"))) {
            QString inner;
            std::swap(inner, m_out);
            children(node);
            std::swap(inner, m_out);
            clickable(node, inner);
            return;
        }
        QString href = node->attribute(QStringLiteral("href"));
        if (!href.isEmpty() && !href.contains(QLatin1Char(':')) && !href.startsWith(QLatin1Char('#')))
            href = QUrl::fromLocalFile(ProgramFolder::resolve(m_pageDir, href)).toString();
        m_out += QLatin1String("<a href=\"") + Document::escapeAttribute(href) + QLatin1String("\">");
        children(node);
        m_out += QLatin1String("</a>");
    }

    // Head rows once, then the body rows once per record of the data object.
    void boundTable(const Node *table)
    {
        QString id = table->attribute(QStringLiteral("datasrc"));
        if (id.startsWith(QLatin1Char('#')))
            id.remove(0, 1);
        DataSource *source = m_sources ? m_sources(id) : nullptr;
        bool sizeGiven = false;
        const int pageSize = table->attribute(QStringLiteral("datapagesize")).trimmed().toInt(&sizeGiven);
        int rows = source ? source->recordCount() : 0;
        if (sizeGiven && pageSize >= 0)
            rows = qMin(rows, pageSize);
        rows = qMin(rows, PageRenderer::kMaxTableRows);

        m_out += QLatin1String("<table") + attributes(table) + QLatin1Char('>');
        QList<const Node *> templateRows;
        for (const auto &child : table->children) {
            if (child->is("thead") || child->is("caption")) {
                render(child.get());
            } else if (child->is("tbody") || child->is("tfoot")) {
                for (const auto &row : child->children) {
                    if (row->is("tr"))
                        templateRows << row.get();
                }
            } else if (child->is("tr")) {
                templateRows << child.get();
            }
        }
        DataSource *outerTable = m_table;
        const int outerRow = m_row;
        m_table = source;
        for (int r = 0; r < rows; ++r) {
            m_row = r;
            for (const Node *row : templateRows)
                render(row);
        }
        m_table = outerTable;
        m_row = outerRow;
        m_out += QLatin1String("</table>");
    }

    const Document &m_document;
    QString m_pageDir;
    const PageRenderer::DataSourceLookup &m_sources;
    QString m_out;
    DataSource *m_table = nullptr;
    int m_row = -1;
};

} // namespace

QString PageRenderer::toHtml(const Document &document, const QString &pageDir, const DataSourceLookup &sources)
{
    return Renderer(document, pageDir, sources).run();
}

} // namespace ortelia::web
