#pragma once

#include <QObject>
#include <QString>

namespace ortelia {

// State that several windows show. Each window binds its controls to the model and writes the
// model, never another window's controls. A set() that changes nothing signals nothing, so two
// windows bound both ways do not echo each other.

class Flag : public QObject {
    Q_OBJECT
public:
    explicit Flag(bool value = false) : m_value(value) {}
    bool value() const { return m_value; }
    void set(bool value);
signals:
    void changed(bool value);

private:
    bool m_value;
};

class Level : public QObject {
    Q_OBJECT
public:
    explicit Level(int value = 0) : m_value(value) {}
    int value() const { return m_value; }
    void set(int value);
signals:
    void changed(int value);

private:
    int m_value;
};

// The two language names of a dictionary pair ("Deutsch", "Englisch").
class LanguagePair : public QObject {
    Q_OBJECT
public:
    QString first() const { return m_first; }
    QString second() const { return m_second; }
    void set(const QString &first, const QString &second);
    void setFirst(const QString &name) { set(name, m_second); }
    void setSecond(const QString &name) { set(m_first, name); }
signals:
    void changed();

private:
    QString m_first;
    QString m_second;
};

// Long work that a window shows as a bar: shown from start() to finish().
class Progress : public QObject {
    Q_OBJECT
public:
    bool running() const { return m_running; }
    int value() const { return m_value; }
    void start();
    void set(int value);
    void finish();
signals:
    void started();
    void advanced(int value);
    void finished();

private:
    bool m_running = false;
    int m_value = 0;
};

} // namespace ortelia
