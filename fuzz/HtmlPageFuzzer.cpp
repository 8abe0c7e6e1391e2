// The page loader without scripts: the bounds check before parsing, the HTML parser, the node
// table, inner HTML and drawing.
#include "FuzzSupport.h"
#include "HtmlDocument.h"
#include "MarkupBounds.h"
#include "PageRenderer.h"

using namespace ortelia;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    web::MarkupBounds::withinBounds(fuzz::bytes(data, size));
    const QString text = fuzz::text(data, size);
    const std::unique_ptr<web::Document> document = web::Document::parse(text);
    if (!document)
        return 0;
    web::PageRenderer::toHtml(*document, QStringLiteral("/nonexistent"), nullptr);
    if (web::Node *body = document->body()) {
        const QString inner = document->innerHtml(body);
        document->setInnerHtml(body, inner);
        web::Document::textContent(body);
        // Markup a script hands to innerHTML goes through the same check and parser.
        document->setInnerHtml(body, text);
    }
    for (web::Node *form : document->forms()) {
        document->formControls(form);
        document->resetForm(form);
    }
    document->title();
    return 0;
}
