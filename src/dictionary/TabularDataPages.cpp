#include "TabularDataPages.h"

#include "HeadlessPage.h"
#include "TabularDataObject.h"

namespace ortelia {

void registerTabularDataObject()
{
    HeadlessPage::registerObjectType(
        web::TabularDataObject::classId(),
        [](const QMap<QString, QString> &params, const QString &pageDir, QObject *parent) -> QObject * {
            return new web::TabularDataObject(params, pageDir, parent);
        });
}

} // namespace ortelia
