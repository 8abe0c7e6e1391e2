#pragma once

#include <QObject>

// Pages of the user's own in the page host, seen from the window's side.
class PageHostTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hostFramesAreReadAsUntrusted();
    void hostileScriptsEndTheHostAndNotTheWindow();
    void userPagesWorkThroughTheHost();
    void dataBoundUserPageWorksThroughTheHost();
};
