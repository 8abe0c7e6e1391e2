// Desktop hiding and mouse confinement against a real X server: the test starts its own Xvfb
// and plays the desktop program itself with a second connection.

#include "DesktopIcons.h"
#include "MouseConfinement.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <memory>

using namespace ortelia;

namespace {

// Another program on the same display.
class OtherClient {
public:
    OtherClient() : m_c(xcb_connect(nullptr, nullptr))
    {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_c)).data->root;
    }
    ~OtherClient() { xcb_disconnect(m_c); }

    xcb_atom_t atom(const char *name)
    {
        auto *reply = xcb_intern_atom_reply(
            m_c, xcb_intern_atom(m_c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply->atom;
        std::free(reply);
        return a;
    }

    // A mapped top-level window, optionally titled and of the desktop type.
    xcb_window_t window(const char *title, bool desktopType)
    {
        const xcb_window_t w = xcb_generate_id(m_c);
        xcb_create_window(m_c, XCB_COPY_FROM_PARENT, w, m_root, 0, 0, 64, 48, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        if (title) {
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                                static_cast<uint32_t>(std::strlen(title)), title);
        }
        if (desktopType) {
            const xcb_atom_t type = atom("_NET_WM_WINDOW_TYPE_DESKTOP");
            xcb_change_property(m_c, XCB_PROP_MODE_REPLACE, w, atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32,
                                1, &type);
        }
        xcb_map_window(m_c, w);
        std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr)); // round trip
        return w;
    }

    bool mapped(xcb_window_t w)
    {
        auto *reply = xcb_get_window_attributes_reply(m_c, xcb_get_window_attributes(m_c, w), nullptr);
        const bool result = reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
        std::free(reply);
        return result;
    }

    void destroy(xcb_window_t w)
    {
        xcb_destroy_window(m_c, w);
        std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
    }

    void warpPointer(int x, int y)
    {
        xcb_warp_pointer(m_c, XCB_NONE, m_root, 0, 0, 0, 0, static_cast<int16_t>(x), static_cast<int16_t>(y));
        std::free(xcb_get_input_focus_reply(m_c, xcb_get_input_focus(m_c), nullptr));
    }

    QPoint pointer()
    {
        auto *reply = xcb_query_pointer_reply(m_c, xcb_query_pointer(m_c, m_root), nullptr);
        const QPoint p(reply->root_x, reply->root_y);
        std::free(reply);
        return p;
    }

private:
    xcb_connection_t *m_c;
    xcb_window_t m_root;
};

} // namespace

class TestDesktopX11 : public QObject {
    Q_OBJECT

private slots:
    void init() { m_other = std::make_unique<OtherClient>(); }
    void cleanup()
    {
        ShowDesktop();
        ReleaseMouse();
        m_other.reset();
    }

    void noDesktopNothingHappens()
    {
        QVERIFY(!HideDesktop());
        QVERIFY(!ShowDesktop());
    }

    void desktopWindowIsHiddenAndShown()
    {
        const xcb_window_t plain = m_other->window("Editor", false);
        const xcb_window_t desktop = m_other->window("Arbeitsfläche", true);
        QVERIFY(HideDesktop());
        QVERIFY(!m_other->mapped(desktop));
        QVERIFY(m_other->mapped(plain));
        QVERIFY(ShowDesktop());
        QVERIFY(m_other->mapped(desktop));
        m_other->destroy(desktop);
        m_other->destroy(plain);
    }

    void programManagerComesFirst()
    {
        const xcb_window_t desktop = m_other->window(nullptr, true);
        const xcb_window_t manager = m_other->window("Program Manager", false);
        QVERIFY(HideDesktop());
        QVERIFY(!m_other->mapped(manager));
        QVERIFY(m_other->mapped(desktop));
        QVERIFY(ShowDesktop());
        QVERIFY(m_other->mapped(manager));
        // The hidden window went away meanwhile: showing reports it, nothing else happens.
        QVERIFY(HideDesktop());
        m_other->destroy(manager);
        QVERIFY(!ShowDesktop());
        m_other->destroy(desktop);
    }

    void mouseIsConfinedAndReleased()
    {
        QWidget window;
        window.setGeometry(100, 100, 400, 300);
        QWidget area(&window);
        area.setGeometry(50, 60, 120, 80);
        auto *button = new QPushButton(QStringLiteral("Klick"), &area);
        button->setGeometry(20, 20, 80, 40);
        QSignalSpy clicked(button, &QPushButton::clicked);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect confined(area.mapToGlobal(QPoint(0, 0)), area.size());

        QVERIFY(ConfineMouse(&area));
        m_other->warpPointer(0, 0);
        QCOMPARE(m_other->pointer(), confined.topLeft());
        m_other->warpPointer(1000, 700);
        QCOMPARE(m_other->pointer(), confined.bottomRight());

        // Clicks inside the area still reach the program's controls.
        const QPoint centre = button->mapToGlobal(button->rect().center());
        QCOMPARE(
            QProcess::execute(QStringLiteral("xdotool"),
                              {QStringLiteral("mousemove"), QString::number(centre.x()),
                               QString::number(centre.y()), QStringLiteral("click"), QStringLiteral("1")}),
            0);
        QTRY_COMPARE(clicked.count(), 1);

        // Confining again replaces the confinement; releasing lifts it.
        QVERIFY(ConfineMouse(&area));
        ReleaseMouse();
        m_other->warpPointer(3, 4);
        QCOMPARE(m_other->pointer(), QPoint(3, 4));
        ReleaseMouse();
    }

    void hiddenAreaIsNotConfined()
    {
        QWidget window;
        QWidget area(&window);
        area.setGeometry(0, 0, 10, 10);
        QVERIFY(!ConfineMouse(&area));
        m_other->warpPointer(500, 400);
        QCOMPARE(m_other->pointer(), QPoint(500, 400));
    }

private:
    std::unique_ptr<OtherClient> m_other;
};

int main(int argc, char **argv)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        std::puts("SKIP: Xvfb or xdotool is not installed");
        return 77;
    }
    QProcess server;
    server.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-screen"),
                        QStringLiteral("0"), QStringLiteral("1024x768x24")});
    if (!server.waitForStarted() || !server.waitForReadyRead(20000)) {
        std::puts("Xvfb did not start");
        return 1;
    }
    const QByteArray display = ":" + server.readLine().trimmed();
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        QApplication app(argc, argv);
        TestDesktopX11 test;
        result = QTest::qExec(&test, argc, argv);
    }
    server.terminate();
    server.waitForFinished(5000);
    return result;
}

#include "tst_desktop_x11.moc"
