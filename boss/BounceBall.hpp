// The boss's bouncing ball: a bullet that reflects off the walls instead of fading.
#pragma once

#include "sentries/BulletSentry.hpp"

struct BounceBall : Bullet {
    void update() override;
};
