#pragma once

// Single-instance windows created on first use and destroyed by unloading.
//
// form(name) returns the loaded window, creating it (and running its Form_Load) if needed.
// unload(name) runs the window's Form_Unload and destroys it; unloading a window that is not
// loaded does nothing. A window that is unloaded while its own Form_Load runs (it gave up while
// loading) is destroyed as soon as the load returns, and form() then gives nullptr.

#include <QHash>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>

class QWidget;

namespace zr::shell {

class Form;

class FormsRegistry {
public:
    // Creates the window with parent as its parent widget (nullptr for a top-level window).
    using Factory = std::function<Form *(QWidget *parent)>;

    ~FormsRegistry();

    // Pages are created as children of the host (the main window's page area).
    void registerForm(const QString &name, Factory factory, bool page = false);
    void setPageHost(QWidget *host) { pageHost_ = host; }
    QWidget *pageHost() const { return pageHost_; }

    bool isRegistered(const QString &name) const { return factories_.contains(name); }
    QStringList names() const { return factories_.keys(); }
    bool isLoaded(const QString &name) const { return find(name) != nullptr; }

    // The loaded window or nullptr; never creates.
    Form *find(const QString &name) const;
    // The window, created and loaded first if needed; nullptr for an unknown name, a window
    // that gave up during its load, or one that is being unloaded.
    Form *form(const QString &name);
    template <class T> T *formAs(const QString &name) { return qobject_cast<T *>(form(name)); }

    void unload(const QString &name);
    void unloadAll();

    // Loads and unloads so far, for tests.
    int loads(const QString &name) const { return loadCount_.value(name); }

private:
    struct Entry {
        Factory factory;
        bool page = false;
    };
    void destroy(Form *f);

    QHash<QString, Entry> factories_;
    QHash<QString, QPointer<Form>> loaded_;
    QSet<QString> loading_;
    QSet<QString> unloadWhileLoading_;
    QSet<QString> unloading_;
    QHash<QString, int> loadCount_;
    QPointer<QWidget> pageHost_;
};

} // namespace zr::shell
