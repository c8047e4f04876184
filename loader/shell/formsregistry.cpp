#include "formsregistry.h"

#include "form.h"

namespace zr::shell {

FormsRegistry::~FormsRegistry() {
    for (auto &f : loaded_)
        delete f.data();
}

void FormsRegistry::registerForm(const QString &name, Factory factory, bool page) {
    factories_.insert(name, Entry{std::move(factory), page});
}

Form *FormsRegistry::find(const QString &name) const {
    return loaded_.value(name).data();
}

Form *FormsRegistry::form(const QString &name) {
    if (Form *f = loaded_.value(name).data())
        return f;
    if (unloading_.contains(name) || unloadWhileLoading_.contains(name))
        return nullptr;
    const auto it = factories_.constFind(name);
    if (it == factories_.constEnd())
        return nullptr;
    Form *f = it->factory(it->page ? pageHost_.data() : nullptr);
    if (!f)
        return nullptr;
    if (it->page)
        f->hide();
    loaded_.insert(name, f);
    loading_.insert(name);
    ++loadCount_[name];
    QPointer<Form> guard(f);
    f->Form_Load();
    loading_.remove(name);
    if (unloadWhileLoading_.remove(name) || !guard) {
        unload(name);
        return nullptr;
    }
    return f;
}

void FormsRegistry::unload(const QString &name) {
    Form *f = loaded_.value(name).data();
    if (!f) {
        loaded_.remove(name);
        return;
    }
    if (loading_.contains(name)) {
        // Finished once its load returns.
        unloadWhileLoading_.insert(name);
        f->hide();
        return;
    }
    if (unloading_.contains(name))
        return;
    unloading_.insert(name);
    QPointer<Form> guard(f);
    f->Form_Unload();
    unloading_.remove(name);
    loaded_.remove(name);
    if (guard)
        destroy(f);
}

void FormsRegistry::unloadAll() {
    const auto names = loaded_.keys();
    for (const QString &n : names)
        unload(n);
}

void FormsRegistry::destroy(Form *f) {
    // The window may be unloading itself from one of its own handlers: hide it now, delete it
    // once control is back in the event loop.
    f->hide();
    f->setParent(nullptr);
    f->deleteLater();
}

} // namespace zr::shell
