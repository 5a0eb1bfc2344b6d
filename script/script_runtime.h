// Owns the script machine and the field module's objects for the program's life: built in
// this order, destroyed in reverse. Build it after the EngineRuntime (the field map takes the
// graphics device) and destroy it before. GetVirtualMachine reaches the live one's machine.
#pragma once

#include "script/field_resources.h"
#include "script/virtual_machine.h"

class ScriptRuntime {
    // First member, last to go: the accessor reaches this runtime while its members are built
    // and while they are destroyed (a context's calls may still ask for the machine).
    struct Announcement {
        explicit Announcement(ScriptRuntime* runtime);
        ~Announcement();
        ScriptRuntime* previous;
    } announcement_;

public:
    ScriptRuntime();
    ~ScriptRuntime();
    ScriptRuntime(const ScriptRuntime&) = delete;
    ScriptRuntime& operator=(const ScriptRuntime&) = delete;

    static ScriptRuntime* Current();

    CVirtualMachine machine;
    FieldResources field;
};
