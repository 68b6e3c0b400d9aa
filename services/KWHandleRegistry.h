// Window handles in command texts: small integers, written "0x" + hexadecimal, that stand for live
// objects (windows). A handle of an object that has gone finds nothing.
#pragma once

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <map>

enum class KWHandleRole { MainWindow, Instance, AppIcon };

class CKWHandleRegistry {
public:
    static CKWHandleRegistry& Instance();

    // The object's handle, given on first registration (handles start at 1 and are never reused).
    int32_t Register(QObject* object);
    QObject* Find(int32_t handle) const;
    // The handle of the object that plays role, 0 when there is none (yet).
    int32_t Role(KWHandleRole role) const;
    void SetRole(KWHandleRole role, QObject* object);

private:
    int32_t m_last = 0;
    std::map<int32_t, QPointer<QObject>> m_objects;
    std::map<KWHandleRole, int32_t> m_roles;
};
