#pragma once
// A Qt plugin that is not a control library.

#include <QObject>
#include <QtPlugin>

class ForeignPlugin : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.SomethingElse/1.0" FILE "foreign.json")
};
