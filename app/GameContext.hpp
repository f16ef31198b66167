// The game context: every piece of program-wide state, read and written by name
// from every screen and every part of a run. The objects are built before main()
// runs, in the order of GameContext.cpp, and destroyed in reverse at exit.
#pragma once

#include "app/Difficulty.hpp"
#include "app/Settings.hpp"
#include "boss/BounceBall.hpp"
#include "boss/DieSentry.hpp"
#include "persistence/SaveData.hpp"
#include "platform/Folders.hpp"
#include "platform/Input.hpp"
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

#include <SFML/Audio.hpp>
#include <SFML/Graphics.hpp>
#include <cstdint>
#include <string>
#include <vector>

namespace game {

// Arena and screen geometry.
constexpr float arenaWidth = 2256;           // world units; never changes
constexpr float arenaHeight = 900;           // world units; never changes
extern float screenWidth;                    // pixels: desktop width at start-up, then each resize
extern float screenHeight;                   // pixels, likewise
constexpr float maxFrameTime = 1.0f / 60.0f; // seconds: the longest step a run frame may take
constexpr float playerMaxSpeed = 1050;       // units per second, given to each new player
constexpr std::int32_t playerMaxHealth = 1000;

// Flow flags that steer the outer loop.
extern bool appRunning;      // the outer loop goes on; cleared only by the main menu
extern bool showMainMenu;    // the main menu comes before the next run
extern bool runActive;       // the run loop goes on
extern bool showDeathScreen; // the death screen follows the run that just ended
extern bool bossBeaten;      // the Zev Azirid was destroyed in the run that just ended
extern std::int32_t difficulty; // a game::Difficulty
extern std::int32_t practiceAttack; // 1 to 4: the attack of the Zev Azirid a practice run practises; 0 in any other run

// Window, views and drawing resources.
extern const std::string gameVersion;     // "1.0.1", the build's version; recorded in every replay
extern std::string versionTitle;          // "Vizovid V1.0.1", shown by the main menu
extern sf::Font arialFont;                // every widget's text and the FPS counter
extern sf::Font sourceSansFont;           // the HUD clock and the death screen
extern sf::Shader blurShader;             // blurs the snapshot behind overlay screens
extern sf::ContextSettings contextSettings; // only antialiasingLevel ever changes
extern sf::RenderWindow window;           // the one window, made by applyDisplaySettings
extern sf::View gameView;                 // the arena: 2256 x 900 shown in (10, 10)-(1900, 770)
extern sf::View hudView;                  // screen space: always 1920 x 1080 units

// Run geometry shared by every hit test.
extern std::vector<sf::FloatRect> arenaWalls; // top, bottom, left, right
extern sf::FloatRect playerBounds;           // the player sprite's global bounds
extern sf::Vector2f playerPosition;          // centre of the player in world units

extern sf::RectangleShape arenaFrame; // white frame around the arena viewport; red in the boss fight
extern compat::Text fpsText;              // "FPS: " counter
extern input::Clock fpsClock;         // one-second window of the FPS counter
extern input::Clock frameClock;       // measures every frame of the run and of every screen
extern std::int32_t framesCounted;    // frames since fpsClock was restarted
extern float fps;                     // frames per second last measured
extern float frameTime;               // seconds of this frame: at most 1/60 in a run, uncapped in screens

extern sf::Texture titleLogoTexture;
extern sf::Texture playerTexture;
extern sf::Texture infoBarTexture;
extern sf::Texture heartTexture;
extern sf::Texture healthBarOutlineTexture;
extern sf::Texture healthBarTexture;
extern sf::Texture bulletSentryTexture;
extern sf::Texture bombSentryTexture;
extern sf::Texture homingSentryTexture;
extern sf::Texture pushwaveSentryTexture;
extern sf::Texture dieSentryTexture;
extern sf::Texture bulletTexture;
extern sf::Texture bombTexture;
extern sf::Texture homingTexture;
extern sf::Texture pushwaveTexture;
extern sf::Texture bossBulletTexture;
extern sf::Texture bossBladeTexture;
extern sf::Texture bossHomingTexture;
extern sf::Texture laserTexture;
extern sf::Texture laserAlarmTexture;
extern sf::Texture laserSentryTexture;

extern sf::RectangleShape bossBackdrop; // arena-sized red pulse of the boss fight

extern sf::SoundBuffer bulletFireBuffer;
extern sf::SoundBuffer homingFireBuffer;
extern sf::SoundBuffer bombExplodeBuffer;
extern sf::SoundBuffer pushwaveFireBuffer;
extern sf::SoundBuffer playerHitBuffer;
extern sf::SoundBuffer buttonPressBuffer;

extern compat::Sound buttonSound; // every button press; a press while it plays is not counted
extern MusicStream musicSound; // the boss theme, read from its file while it plays; stopped by every run reset

// Where Assets/ was found (or every place looked) and where the save lives.
extern GameFolders folders;

// The save record; it reads the save file while it is built, before any window exists.
extern SaveData saveData;

extern SoundPool soundPool;

// Objects of a run, emptied by every run reset.
extern std::vector<Bullet> bullets;
extern std::vector<HomingProjectile> homingProjectiles;
extern std::vector<Bomb> bombs;
extern std::vector<Pushwave> pushwaves;
extern std::vector<BounceBall> bossBullets;
extern std::vector<Laser> lasers;
extern std::vector<LaserSentry> laserSentries;
extern std::vector<BulletSentry> bulletSentries;
extern std::vector<BombSentry> bombSentries;
extern std::vector<HomingSentry> homingSentries;
extern std::vector<PushwaveSentry> pushwaveSentries;
extern std::vector<DieSentry> dieSentries;

extern Hud hud;                 // rebuilt at every run start
extern Player player;           // rebuilt at every run start
extern SentryDirector director; // rebuilt for the difficulty at every run start

extern bool playerPushed;         // a pushwave moved the player this frame: no keyboard step next frame
extern bool pushAppliedThisFrame; // at most one pushwave pushes per frame

} // namespace game
