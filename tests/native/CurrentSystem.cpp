#include "platform/fake/FakeSystem.h"

// The native tests run against in-memory services only.
platform::System& platform::CurrentSystem() {
    static fake::System system;
    return system.services;
}
