// The one place that knows which SFML the game is built with: 2.5, 2.6 or 3.
// Whatever the three spell differently (events, rectangles, angles, key names,
// window styles, the sprites, texts and sounds that SFML 3 cannot make empty) is
// reached through here, so that the rest of the game reads the same on all of them.
#pragma once

#include <SFML/Audio.hpp>
#include <SFML/Config.hpp>
#include <SFML/Graphics.hpp>
#include <cstdint>
#include <string>

namespace compat {

// SFML 3 makes a sprite only with its texture, a text only with its font and a
// sound only with its buffer. These three can be made empty and given theirs
// later, as SFML 2's could, so that records and the context stay plain.
class Sprite : public sf::Sprite {
public:
    Sprite();
    explicit Sprite(const sf::Texture& texture);
    Sprite(const sf::Texture& texture, const sf::IntRect& rectangle);
    // The first texture given to a sprite whose rectangle was never set shows
    // whole; after that the rectangle stays unless resetRect asks otherwise.
    void setTexture(const sf::Texture& texture, bool resetRect = false);

private:
    bool textured = false; // a texture of the game's was given
};

class Text : public sf::Text {
public:
    Text(); // no font until setFont()
    Text(const sf::Font& font, const std::string& string, unsigned characterSize);
};

class Sound : public sf::Sound {
public:
    Sound(); // no buffer until setBuffer()
    explicit Sound(const sf::SoundBuffer& buffer);
    // A sound without samples does not start, as on SFML 2: SFML 3 would call it
    // playing for ever.
    void play();
};
// The buffer a sound plays, or none.
const sf::SoundBuffer* bufferOf(const sf::Sound& sound);

// Rectangles: SFML 3 keeps a position and a size where SFML 2 kept four numbers.
#if SFML_VERSION_MAJOR >= 3
template <typename T> T left(const sf::Rect<T>& r) { return r.position.x; }
template <typename T> T top(const sf::Rect<T>& r) { return r.position.y; }
template <typename T> T width(const sf::Rect<T>& r) { return r.size.x; }
template <typename T> T height(const sf::Rect<T>& r) { return r.size.y; }
#else
template <typename T> T left(const sf::Rect<T>& r) { return r.left; }
template <typename T> T top(const sf::Rect<T>& r) { return r.top; }
template <typename T> T width(const sf::Rect<T>& r) { return r.width; }
template <typename T> T height(const sf::Rect<T>& r) { return r.height; }
#endif

// Angles in degrees, as the game counts them; SFML 3 wants an sf::Angle.
void setRotation(sf::Transformable& object, float degrees);
float rotation(const sf::Transformable& object); // 0 to 360

// The window: full screen, or a resizable window with a title bar and a close
// button, of the given size.
void createWindow(sf::RenderWindow& window, sf::Vector2u size, bool fullscreen, const std::string& title,
                  const sf::ContextSettings& settings);
void setAntialiasing(sf::ContextSettings& settings, unsigned level);
unsigned antialiasing(const sf::ContextSettings& settings);
sf::Vector2u desktopSize();
void setIcon(sf::Window& window, const sf::Image& icon);
sf::WindowHandle nativeHandle(const sf::Window& window);

// The window events the game acts on; every other kind reads as Other.
struct WindowEvent {
    enum Kind { Closed, Resized, Other };
    Kind kind = Other;
    sf::Vector2u size; // pixels, for Resized
};
// Takes the window's next event; false when none is left.
bool pollEvent(sf::Window& window, WindowEvent& event);

// The key that SFML 2.5 calls Return and later versions Enter.
extern const sf::Keyboard::Key enterKey;

// Files and pixels.
bool openFont(sf::Font& font, const std::string& path);
bool resize(sf::Texture& texture, sf::Vector2u size);
bool resize(sf::RenderTexture& target, sf::Vector2u size);
sf::Image makeImage(sf::Vector2u size, sf::Color fill);
sf::Color pixel(const sf::Image& image, unsigned x, unsigned y);
void setPixel(sf::Image& image, unsigned x, unsigned y, sf::Color colour);
// Mono or stereo 16-bit samples; stereo ones interleaved left, right.
bool loadSamples(sf::SoundBuffer& buffer, const std::int16_t* samples, std::uint64_t count, unsigned channels,
                 unsigned sampleRate);
bool openSoundFile(sf::OutputSoundFile& file, const std::string& path, unsigned sampleRate, unsigned channels);

// What shapes a run's floats besides the game itself: the system, the processor and
// SFML's major version, as "Linux x86-64, SFML 2".
std::string buildDescription();

// Whether a window and textures can be made: on X11 systems, whether the display can
// be opened. SFML would abort the process at its first texture otherwise.
bool displayAvailable();

} // namespace compat
