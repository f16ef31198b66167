// The objects of the game context. Within this file they are built top to bottom
// before main() runs, and destroyed bottom to top at exit: the save record reads the
// save file while it is built, the HUD takes the (still empty) textures and font
// built above it, and every sound is gone before the buffers it plays.
#include "app/GameContext.hpp"

#include "boss/BounceBall.hpp"
#include "boss/DieSentry.hpp"
#include "persistence/SaveData.hpp"
#include "platform/Folders.hpp"
#include "platform/MusicStream.hpp"
#include "platform/SfmlCompat.hpp"
#include "run/Hud.hpp"
#include "run/Player.hpp"
#include "run/SoundPool.hpp"
#include "sentries/BombSentry.hpp"
#include "sentries/BulletSentry.hpp"
#include "sentries/HomingSentry.hpp"
#include "sentries/LaserSentry.hpp"
#include "sentries/PushwaveSentry.hpp"
#include "sentries/SentryDirector.hpp"

#include <cstdlib>
#include <iostream>

namespace game {

// Plain values, fixed before any object is built.
float screenWidth = 1920;
float screenHeight = 1080;
bool appRunning = true;
bool showMainMenu = true;
bool runActive = true;
bool showDeathScreen = true;
bool bossBeaten = false;
std::int32_t difficulty = Average;
std::int32_t practiceAttack = 0;
std::int32_t framesCounted = 0;
float fps = 0;
float frameTime = 0;
bool playerPushed = false;
bool pushAppliedThisFrame = false;

const std::string gameVersion = VIZOVID_VERSION; // the project version CMake builds
std::string versionTitle = "Vizovid V" + gameVersion;

namespace {

// Every window, texture and shader below needs a display as it is made, and SFML
// aborts the process where there is none: the game says so in one line instead, and
// ends with the status main() gives a game that cannot run here.
const bool displayFound = [] {
    if (!compat::displayAvailable()) {
        std::cerr << "vizovid: no display can be opened (set DISPLAY, or run it under xvfb-run)\n";
        std::exit(4);
    }
    return true;
}();

} // namespace

sf::Font arialFont;
sf::Font sourceSansFont;
sf::Shader blurShader;

sf::ContextSettings contextSettings;
sf::RenderWindow window;

sf::View gameView;
sf::View hudView;

std::vector<sf::FloatRect> arenaWalls;
sf::FloatRect playerBounds;
sf::Vector2f playerPosition;

sf::RectangleShape arenaFrame;
compat::Text fpsText;
input::Clock fpsClock;
input::Clock frameClock;

sf::Texture titleLogoTexture;
sf::Texture playerTexture;
sf::Texture infoBarTexture;
sf::Texture heartTexture;
sf::Texture healthBarOutlineTexture;
sf::Texture healthBarTexture;
sf::Texture bulletSentryTexture;
sf::Texture bombSentryTexture;
sf::Texture homingSentryTexture;
sf::Texture pushwaveSentryTexture;
sf::Texture dieSentryTexture;
sf::Texture bulletTexture;
sf::Texture bombTexture;
sf::Texture homingTexture;
sf::Texture pushwaveTexture;
sf::Texture bossBulletTexture;
sf::Texture bossBladeTexture;
sf::Texture bossHomingTexture;
sf::Texture laserTexture;
sf::Texture laserAlarmTexture;
sf::Texture laserSentryTexture;

sf::RectangleShape bossBackdrop;

sf::SoundBuffer bulletFireBuffer;
sf::SoundBuffer homingFireBuffer;
sf::SoundBuffer bombExplodeBuffer;
sf::SoundBuffer pushwaveFireBuffer;
sf::SoundBuffer playerHitBuffer;
sf::SoundBuffer buttonPressBuffer;

compat::Sound buttonSound;
MusicStream musicSound;

// The assets' folder decides where the save lives, so it is found first.
GameFolders folders = findGameFolders();
SaveData saveData(folders.savePath);

SoundPool soundPool;

std::vector<Bullet> bullets;
std::vector<HomingProjectile> homingProjectiles;
std::vector<Bomb> bombs;
std::vector<Pushwave> pushwaves;
std::vector<BounceBall> bossBullets;
std::vector<Laser> lasers;
std::vector<LaserSentry> laserSentries;
std::vector<BulletSentry> bulletSentries;
std::vector<BombSentry> bombSentries;
std::vector<HomingSentry> homingSentries;
std::vector<PushwaveSentry> pushwaveSentries;
std::vector<DieSentry> dieSentries;

Hud hud;
Player player;
SentryDirector director;

} // namespace game
