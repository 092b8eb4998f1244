#include "hosting/typeinfo.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QWidget>

namespace platform {

namespace {

// The first meta-object above the control's own classes.
const QMetaObject* hostBase(const QMetaObject* meta) {
    for (const QMetaObject* m = meta; m; m = m->superClass()) {
        if (m == &QWidget::staticMetaObject)
            return m;
    }
    return &QObject::staticMetaObject;
}

bool isOwnMethod(const QMetaMethod& method, const QMetaObject* base) {
    return method.methodIndex() >= base->methodCount() &&
           !(method.attributes() & QMetaMethod::Cloned) && method.access() == QMetaMethod::Public;
}

} // namespace

TypeInfo::TypeInfo(const QMetaObject* metaObject)
    : meta_(metaObject) {}

QString TypeInfo::className() const {
    return QString::fromLatin1(meta_->className());
}

QString TypeInfo::classInfo(const QString& name) const {
    const int index = meta_->indexOfClassInfo(name.toUtf8().constData());
    return index < 0 ? QString() : QString::fromUtf8(meta_->classInfo(index).value());
}

MemberInfo TypeInfo::describe(MemberInfo::Kind kind, const QString& name) const {
    MemberInfo info;
    info.kind = kind;
    info.name = name;
    info.help = classInfo(QStringLiteral("help:") + name);
    bool ok = false;
    const int dispid = classInfo(QStringLiteral("dispid:") + name).toInt(&ok);
    if (ok)
        info.dispid = dispid;
    info.hidden = classInfo(QStringLiteral("hidden:") + name) == QLatin1String("true");
    return info;
}

QList<MemberInfo> TypeInfo::properties() const {
    QList<MemberInfo> result;
    for (int i = hostBase(meta_)->propertyCount(); i < meta_->propertyCount(); ++i) {
        const QMetaProperty property = meta_->property(i);
        MemberInfo info = describe(MemberInfo::Property, QString::fromLatin1(property.name()));
        info.writable = property.isWritable();
        info.type = QString::fromLatin1(property.typeName());
        result.append(info);
    }
    return result;
}

QList<MemberInfo> TypeInfo::methods() const {
    QList<MemberInfo> result;
    const QMetaObject* base = hostBase(meta_);
    for (int i = base->methodCount(); i < meta_->methodCount(); ++i) {
        const QMetaMethod method = meta_->method(i);
        if (method.methodType() == QMetaMethod::Signal || !isOwnMethod(method, base))
            continue;
        MemberInfo info = describe(MemberInfo::Method, QString::fromLatin1(method.name()));
        info.type = QString::fromLatin1(method.methodSignature());
        result.append(info);
    }
    return result;
}

QList<MemberInfo> TypeInfo::events() const {
    QList<MemberInfo> result;
    const QMetaObject* base = hostBase(meta_);
    for (int i = base->methodCount(); i < meta_->methodCount(); ++i) {
        const QMetaMethod method = meta_->method(i);
        if (method.methodType() != QMetaMethod::Signal || !isOwnMethod(method, base))
            continue;
        MemberInfo info = describe(MemberInfo::Event, QString::fromLatin1(method.name()));
        info.type = QString::fromLatin1(method.methodSignature());
        result.append(info);
    }
    return result;
}

QList<MemberInfo> TypeInfo::members() const {
    QList<MemberInfo> declared = properties() + methods();
    const QStringList order =
        classInfo(QStringLiteral("members")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (order.isEmpty())
        return declared;
    QList<MemberInfo> result;
    for (const QString& name : order) {
        for (qsizetype i = 0; i < declared.size(); ++i) {
            if (declared[i].name == name) {
                result.append(declared.takeAt(i));
                break;
            }
        }
    }
    return result + declared; // members the order forgot keep their place at the end
}

std::optional<MemberInfo> TypeInfo::member(const QString& name) const {
    for (const MemberInfo& info : members() + events()) {
        if (info.name.compare(name, Qt::CaseInsensitive) == 0)
            return info;
    }
    return std::nullopt;
}

QString TypeInfo::help(const QString& memberName) const {
    const auto info = member(memberName);
    return info ? info->help : QString();
}

std::optional<int> TypeInfo::dispid(const QString& memberName) const {
    const auto info = member(memberName);
    return info ? info->dispid : std::nullopt;
}

bool TypeInfo::hidden(const QString& memberName) const {
    const auto info = member(memberName);
    return info && info->hidden;
}

QString TypeInfo::defaultMember() const {
    for (const MemberInfo& info : members()) {
        if (info.dispid == 0)
            return info.name;
    }
    return {};
}

QString TypeInfo::browseFirst() const {
    return classInfo(QStringLiteral("browseFirst"));
}

} // namespace platform
