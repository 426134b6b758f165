#pragma once

#include "platform/core/component.h"

#include <QString>

// Open and save dialogs: Execute asks the user and, when confirmed, FileName holds the file,
// with DefaultExt added when the name was given without an extension.
class TFileDialog : public TComponent {
public:
    using TComponent::TComponent;
    QString Title;
    QString InitialDir;
    QString Filter;
    QString DefaultExt;
    QString FileName;
    bool Execute();

protected:
    virtual bool IsSave() const = 0;
};

class TOpenDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;

protected:
    bool IsSave() const override { return false; }
};

class TSaveDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;

protected:
    bool IsSave() const override { return true; }
};
