// The four kinds of sentry the director places, numbered as the director and the
// upgrades count them.
#pragma once

enum SentryKind {
    BulletKind = 1,
    HomingKind = 2,
    BombKind = 3,
    PushwaveKind = 4,
};
