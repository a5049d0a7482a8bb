// What the volume controls ask of whoever owns the player: the user moved a volume slider or
// changed the mute box. The owner (the main window) applies the change to the player and the
// current volume; the controls have already shown it.
#pragma once

namespace Vrbatec {

class OvladaniHlasitosti {
public:
    // 0-100.
    virtual void PriZmeneHlasitosti(int hlasitost) = 0;
    virtual void PriZmeneZtlumeni(bool ztlumit) = 0;

protected:
    ~OvladaniHlasitosti() = default;
};

} // namespace Vrbatec
