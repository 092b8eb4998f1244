#include "hosting/latebinding.h"

#include "core/vb.h"
#include "hosting/typeinfo.h"
#include "hosting/valueconversion.h"

#include <QMetaMethod>
#include <QMetaProperty>

#include <exception>
#include <vector>

namespace platform {

namespace {

[[noreturn]] void notSupported() {
    vb::raiseError(vb::err::NotSupported);
}

void requireObject(QObject* control) {
    if (!control)
        vb::raiseError(vb::err::ObjectRequired);
}

QMetaProperty findProperty(const QObject* control, const QString& name) {
    const QMetaObject* meta = control->metaObject();
    const int exact = meta->indexOfProperty(name.toUtf8().constData());
    if (exact >= 0)
        return meta->property(exact);
    for (int i = 0; i < meta->propertyCount(); ++i) {
        if (name.compare(QLatin1String(meta->property(i).name()), Qt::CaseInsensitive) == 0)
            return meta->property(i);
    }
    notSupported();
}

bool nameMatches(const QMetaMethod& method, const QString& name, Qt::CaseSensitivity cs) {
    return name.compare(QLatin1String(method.name()), cs) == 0;
}

// The public method (not event) of that name taking `count` arguments;
// raises 438 when there is no such name, 450 when no overload fits.
QMetaMethod findMethod(const QObject* control, const QString& name, qsizetype count) {
    const QMetaObject* meta = control->metaObject();
    bool named = false;
    for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal ||
                method.access() != QMetaMethod::Public || !nameMatches(method, name, cs))
                continue;
            named = true;
            if (method.parameterCount() == count)
                return method;
        }
    }
    if (named)
        throw vb::RuntimeError(WrongNumberOfArguments,
                               "Wrong number of arguments or invalid property assignment");
    notSupported();
}

// Qt gives no meta-type for a parameter taken by reference (events pass
// Cancel, URL, Button ... so); the type's name without the '&' has one.
// Controls spell parameter types with the language's names; make those
// names known to Qt once.
void registerLanguageTypeNames() {
    static const bool registered = [] {
        qRegisterMetaType<vb::Integer>("vb::Integer");
        qRegisterMetaType<vb::Long>("vb::Long");
        qRegisterMetaType<vb::Single>("vb::Single");
        qRegisterMetaType<vb::Boolean>("vb::Boolean");
        qRegisterMetaType<vb::OleColor>("vb::OleColor");
        return true;
    }();
    (void)registered;
}

QMetaType parameterType(const QMetaMethod& method, int index) {
    const QMetaType type = method.parameterMetaType(index);
    if (type.isValid())
        return type;
    registerLanguageTypeNames();
    QByteArray name = method.parameterTypes().value(index);
    if (name.endsWith('&'))
        name.chop(1);
    if (name.startsWith("const "))
        name.remove(0, 6);
    return QMetaType::fromName(name);
}

// Storage for a value of a meta-type, in the form a meta-call wants it.
void* slotFor(QVariant& value, QMetaType type) {
    if (type == QMetaType::fromType<QVariant>())
        return &value;
    return value.data();
}

} // namespace

// The control's own qt_metacall runs the getter, setter or method on this
// thread through moc-generated code only, so a vb::RuntimeError thrown by
// the control arrives here intact.

QVariant getProperty(QObject* control, const QString& name) {
    requireObject(control);
    const QMetaProperty property = findProperty(control, name);
    if (!property.isReadable())
        notSupported();
    const QMetaType type = property.metaType();
    QVariant value = type == QMetaType::fromType<QVariant>() ? QVariant() : QVariant(type);
    int status = -1;
    void* argv[] = {slotFor(value, type), &value, &status};
    control->qt_metacall(QMetaObject::ReadProperty, property.propertyIndex(), argv);
    return value;
}

void setProperty(QObject* control, const QString& name, const QVariant& value) {
    requireObject(control);
    const QMetaProperty property = findProperty(control, name);
    if (!property.isWritable())
        notSupported();
    const QMetaType type = property.metaType();
    QVariant converted = convertValue(value, type);
    int status = -1;
    int flags = 0;
    void* argv[] = {slotFor(converted, type), &converted, &status, &flags};
    control->qt_metacall(QMetaObject::WriteProperty, property.propertyIndex(), argv);
}

void setValue(QObject* control, const QVariant& value) {
    requireObject(control);
    const QString name = TypeInfo(control->metaObject()).defaultMember();
    if (name.isEmpty())
        notSupported();
    setProperty(control, name, value);
}

QVariant callMethodWith(QObject* control, const QString& name, const QVariantList& arguments) {
    requireObject(control);
    const QMetaMethod method = findMethod(control, name, arguments.size());
    std::vector<QVariant> values;
    values.reserve(static_cast<size_t>(arguments.size()));
    std::vector<void*> argv(static_cast<size_t>(arguments.size()) + 1, nullptr);
    for (int i = 0; i < method.parameterCount(); ++i) {
        const QMetaType type = parameterType(method, i);
        if (!type.isValid())
            vb::raiseError(vb::err::TypeMismatch);
        values.push_back(convertValue(arguments[i], type));
        argv[static_cast<size_t>(i) + 1] = slotFor(values.back(), type);
    }
    const QMetaType returnType = method.returnMetaType();
    const bool returns = returnType.isValid() && returnType.id() != QMetaType::Void;
    QVariant result = returns && returnType != QMetaType::fromType<QVariant>()
                          ? QVariant(returnType)
                          : QVariant();
    if (returns)
        argv[0] = slotFor(result, returnType);
    control->qt_metacall(QMetaObject::InvokeMetaMethod, method.methodIndex(), argv.data());
    return result;
}

// ---------------------------------------------------------------- events

namespace {

QMetaMethod findSignal(const QObject* control, const QString& name) {
    const QMetaObject* meta = control->metaObject();
    for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int i = 0; i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal &&
                !(method.attributes() & QMetaMethod::Cloned) && nameMatches(method, name, cs))
                return method;
        }
    }
    notSupported();
}

bool byReference(const QByteArray& typeName) {
    return typeName.endsWith('&') && !typeName.startsWith("const ");
}

} // namespace

EventConnection::EventConnection(QObject* control, QMetaMethod signal, EventHandler handler)
    : signal_(signal)
    , handler_(std::move(handler)) {
    // A receiver without moc code: its one "slot" is the first index past
    // QObject's own methods, answered by qt_metacall below.
    connection_ =
        QMetaObject::connect(control, signal.methodIndex(), this,
                             QObject::staticMetaObject.methodCount(), Qt::DirectConnection);
}

EventConnection::~EventConnection() {
    QObject::disconnect(connection_);
}

int EventConnection::qt_metacall(QMetaObject::Call call, int id, void** arguments) {
    id = QObject::qt_metacall(call, id, arguments);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    if (id == 0)
        deliver(arguments);
    return id - 1;
}

void EventConnection::deliver(void** arguments) {
    QVariantList values;
    for (int i = 0; i < signal_.parameterCount(); ++i)
        values.append(QVariant(parameterType(signal_, i), arguments[i + 1]));
    // The event is raised inside Qt's signal dispatch, which cannot carry an
    // exception; a failing handler is the host's own error and ends here.
    try {
        handler_(values);
    } catch (const std::exception& error) {
        qWarning("Unhandled error in the handler of %s: %s", signal_.name().constData(),
                 error.what());
        return;
    }
    const QList<QByteArray> types = signal_.parameterTypes();
    for (int i = 0; i < signal_.parameterCount() && i < values.size(); ++i) {
        if (!byReference(types[i]))
            continue;
        const QMetaType type = parameterType(signal_, i);
        if (!type.isValid())
            continue;
        try {
            const QVariant back = convertValue(values[i], type);
            type.destruct(arguments[i + 1]);
            type.construct(arguments[i + 1], back.constData());
        } catch (const vb::RuntimeError&) {
            qWarning("The handler of %s gave argument %d a value of the wrong type",
                     signal_.name().constData(), i + 1);
        }
    }
}

std::unique_ptr<EventConnection> connectEvent(QObject* control, const QString& eventName,
                                              EventHandler handler, QObject* context) {
    requireObject(control);
    const QMetaMethod signal = findSignal(control, eventName);
    std::unique_ptr<EventConnection> connection(
        new EventConnection(control, signal, std::move(handler)));
    if (context) {
        EventConnection* raw = connection.get();
        QObject::connect(context, &QObject::destroyed, raw,
                         [raw] { QObject::disconnect(raw->connection_); });
    }
    return connection;
}

} // namespace platform
