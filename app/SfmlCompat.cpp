// What differs between SFML 2.5, 2.6 and 3, and between systems, spelt once for each.
#include "app/SfmlCompat.hpp"

#include <cmath>
#include <cstdint>
#include <cstring>
#if defined(__linux__) || defined(__FreeBSD__)
#include <dlfcn.h>
#endif

namespace compat {

#if SFML_VERSION_MAJOR >= 3

namespace {

// What an empty sprite, text or sound holds until it is given its own. Built on
// first use, so before any of them, and so gone only after them at exit.
const sf::Texture& noTexture() {
    static const sf::Texture texture;
    return texture;
}

const sf::Font& noFont() {
    static const sf::Font font;
    return font;
}

const sf::SoundBuffer& noBuffer() {
    static const sf::SoundBuffer buffer;
    return buffer;
}

// Where no playback device opens (no sound card, or none free), miniaudio would
// leave every sound "playing" for ever and a button would count one press only.
// Its null device takes the card's place instead: sounds end at once, unheard, as
// with OpenAL and no device. Chosen once, before the first sound is made.
bool chooseAudioDevice() {
    if (sf::PlaybackDevice::getDefaultDevice())
        return true;
    const std::vector<std::string> devices = sf::PlaybackDevice::getAvailableDevices();
    return !devices.empty() && sf::PlaybackDevice::setDevice(devices.front());
}

void prepareAudio() {
    static const bool ready = chooseAudioDevice();
    (void)ready;
}

} // namespace

Sprite::Sprite() : sf::Sprite(noTexture()) {}
Sprite::Sprite(const sf::Texture& texture) : sf::Sprite(texture), textured(true) {}
Sprite::Sprite(const sf::Texture& texture, const sf::IntRect& rectangle)
    : sf::Sprite(texture, rectangle), textured(true) {}

// SFML 2's rule, which SFML 3 dropped.
void Sprite::setTexture(const sf::Texture& texture, bool resetRect) {
    const bool whole = resetRect || (!textured && getTextureRect() == sf::IntRect());
    sf::Sprite::setTexture(texture, whole);
    textured = true;
}

Text::Text() : sf::Text(noFont()) {}
Text::Text(const sf::Font& font, const std::string& string, unsigned characterSize)
    : sf::Text(font, string, characterSize) {}

Sound::Sound() : sf::Sound((prepareAudio(), noBuffer())) {}
Sound::Sound(const sf::SoundBuffer& buffer) : sf::Sound((prepareAudio(), buffer)) {}

const sf::SoundBuffer* bufferOf(const sf::Sound& sound) {
    return &sound.getBuffer() == &noBuffer() ? nullptr : &sound.getBuffer();
}

void setRotation(sf::Transformable& object, float degrees) {
    object.setRotation(sf::degrees(degrees));
}

float rotation(const sf::Transformable& object) {
    return object.getRotation().asDegrees();
}

void createWindow(sf::RenderWindow& window, sf::Vector2u size, bool fullscreen, const std::string& title,
                  const sf::ContextSettings& settings) {
    const sf::VideoMode mode(size, 32);
    if (fullscreen)
        window.create(mode, title, sf::State::Fullscreen, settings);
    else
        window.create(mode, title, sf::Style::Titlebar | sf::Style::Resize | sf::Style::Close, sf::State::Windowed,
                      settings);
}

void setAntialiasing(sf::ContextSettings& settings, unsigned level) {
    settings.antiAliasingLevel = level;
}

unsigned antialiasing(const sf::ContextSettings& settings) {
    return settings.antiAliasingLevel;
}

sf::Vector2u desktopSize() {
    return sf::VideoMode::getDesktopMode().size;
}

void setIcon(sf::Window& window, const sf::Image& icon) {
    window.setIcon(icon.getSize(), icon.getPixelsPtr());
}

sf::WindowHandle nativeHandle(const sf::Window& window) {
    return window.getNativeHandle();
}

bool pollEvent(sf::Window& window, WindowEvent& event) {
    const std::optional<sf::Event> next = window.pollEvent();
    if (!next)
        return false;
    event = WindowEvent();
    if (next->is<sf::Event::Closed>())
        event.kind = WindowEvent::Closed;
    if (const auto* resized = next->getIf<sf::Event::Resized>()) {
        event.kind = WindowEvent::Resized;
        event.size = resized->size;
    }
    return true;
}

const sf::Keyboard::Key enterKey = sf::Keyboard::Key::Enter;

bool openFont(sf::Font& font, const std::string& path) {
    return font.openFromFile(path);
}

bool resize(sf::Texture& texture, sf::Vector2u size) {
    return texture.resize(size);
}

bool resize(sf::RenderTexture& target, sf::Vector2u size) {
    return target.resize(size);
}

sf::Image makeImage(sf::Vector2u size, sf::Color fill) {
    return sf::Image(size, fill);
}

sf::Color pixel(const sf::Image& image, unsigned x, unsigned y) {
    return image.getPixel({x, y});
}

void setPixel(sf::Image& image, unsigned x, unsigned y, sf::Color colour) {
    image.setPixel({x, y}, colour);
}

namespace {

std::vector<sf::SoundChannel> channelMap(unsigned channels) {
    if (channels == 1)
        return {sf::SoundChannel::Mono};
    return {sf::SoundChannel::FrontLeft, sf::SoundChannel::FrontRight};
}

} // namespace

bool loadSamples(sf::SoundBuffer& buffer, const std::int16_t* samples, std::uint64_t count, unsigned channels,
                 unsigned sampleRate) {
    return buffer.loadFromSamples(samples, count, channels, sampleRate, channelMap(channels));
}

bool openSoundFile(sf::OutputSoundFile& file, const std::string& path, unsigned sampleRate, unsigned channels) {
    return file.openFromFile(path, sampleRate, channels, channelMap(channels));
}

#else // SFML 2.5 and 2.6

Sprite::Sprite() = default;
Sprite::Sprite(const sf::Texture& texture) : sf::Sprite(texture), textured(true) {}
Sprite::Sprite(const sf::Texture& texture, const sf::IntRect& rectangle)
    : sf::Sprite(texture, rectangle), textured(true) {}

void Sprite::setTexture(const sf::Texture& texture, bool resetRect) {
    sf::Sprite::setTexture(texture, resetRect);
    textured = true;
}

Text::Text() = default;
Text::Text(const sf::Font& font, const std::string& string, unsigned characterSize)
    : sf::Text(string, font, characterSize) {}

Sound::Sound() = default;
Sound::Sound(const sf::SoundBuffer& buffer) : sf::Sound(buffer) {}

const sf::SoundBuffer* bufferOf(const sf::Sound& sound) {
    return sound.getBuffer();
}

void setRotation(sf::Transformable& object, float degrees) {
    object.setRotation(degrees);
}

float rotation(const sf::Transformable& object) {
    return object.getRotation();
}

void createWindow(sf::RenderWindow& window, sf::Vector2u size, bool fullscreen, const std::string& title,
                  const sf::ContextSettings& settings) {
    const sf::VideoMode mode(size.x, size.y, 32);
    const sf::Uint32 windowed = sf::Style::Titlebar | sf::Style::Resize | sf::Style::Close;
    const sf::Uint32 style = fullscreen ? sf::Uint32(sf::Style::Fullscreen) : windowed;
    window.create(mode, title, style, settings);
}

void setAntialiasing(sf::ContextSettings& settings, unsigned level) {
    settings.antialiasingLevel = level;
}

unsigned antialiasing(const sf::ContextSettings& settings) {
    return settings.antialiasingLevel;
}

sf::Vector2u desktopSize() {
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
    return {desktop.width, desktop.height};
}

void setIcon(sf::Window& window, const sf::Image& icon) {
    window.setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());
}

sf::WindowHandle nativeHandle(const sf::Window& window) {
    return window.getSystemHandle();
}

bool pollEvent(sf::Window& window, WindowEvent& event) {
    sf::Event next;
    if (!window.pollEvent(next))
        return false;
    event = WindowEvent();
    if (next.type == sf::Event::Closed)
        event.kind = WindowEvent::Closed;
    if (next.type == sf::Event::Resized) {
        event.kind = WindowEvent::Resized;
        event.size = {next.size.width, next.size.height};
    }
    return true;
}

#if SFML_VERSION_MINOR >= 6
const sf::Keyboard::Key enterKey = sf::Keyboard::Enter;
#else
const sf::Keyboard::Key enterKey = sf::Keyboard::Return;
#endif

bool openFont(sf::Font& font, const std::string& path) {
    return font.loadFromFile(path);
}

bool resize(sf::Texture& texture, sf::Vector2u size) {
    return texture.create(size.x, size.y);
}

bool resize(sf::RenderTexture& target, sf::Vector2u size) {
    return target.create(size.x, size.y);
}

sf::Image makeImage(sf::Vector2u size, sf::Color fill) {
    sf::Image image;
    image.create(size.x, size.y, fill);
    return image;
}

sf::Color pixel(const sf::Image& image, unsigned x, unsigned y) {
    return image.getPixel(x, y);
}

void setPixel(sf::Image& image, unsigned x, unsigned y, sf::Color colour) {
    image.setPixel(x, y, colour);
}

bool loadSamples(sf::SoundBuffer& buffer, const std::int16_t* samples, std::uint64_t count, unsigned channels,
                 unsigned sampleRate) {
    return buffer.loadFromSamples(samples, count, channels, sampleRate);
}

bool openSoundFile(sf::OutputSoundFile& file, const std::string& path, unsigned sampleRate, unsigned channels) {
    return file.openFromFile(path, sampleRate, channels);
}

#endif

void Sound::play() {
    const sf::SoundBuffer* buffer = bufferOf(*this);
    if (buffer && buffer->getSampleCount() > 0)
        sf::Sound::play();
}

std::string buildDescription() {
#if defined(_WIN32)
    const std::string system = "Windows";
#elif defined(__APPLE__)
    const std::string system = "macOS";
#elif defined(__linux__)
    const std::string system = "Linux";
#else
    const std::string system = "another system";
#endif
#if defined(__x86_64__) || defined(_M_X64)
    const std::string processor = "x86-64";
#elif defined(__aarch64__) || defined(_M_ARM64)
    const std::string processor = "arm64";
#elif defined(__i386__) || defined(_M_IX86)
    const std::string processor = "x86";
#else
    const std::string processor = "another processor";
#endif
    return system + " " + processor + ", SFML " + std::to_string(SFML_VERSION_MAJOR);
}

#if defined(__linux__) || defined(__FreeBSD__)
// libX11 is asked at run time, so that the game needs no X headers to build.
bool displayAvailable() {
    void* x11 = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (!x11)
        return false;
    void* (*openDisplay)(const char*) = nullptr;
    int (*closeDisplay)(void*) = nullptr;
    void* const openSymbol = dlsym(x11, "XOpenDisplay");
    void* const closeSymbol = dlsym(x11, "XCloseDisplay");
    std::memcpy(&openDisplay, &openSymbol, sizeof openSymbol);
    std::memcpy(&closeDisplay, &closeSymbol, sizeof closeSymbol);
    void* const display = openDisplay && closeDisplay ? openDisplay(nullptr) : nullptr;
    if (display)
        closeDisplay(display);
    dlclose(x11);
    return display != nullptr;
}
#else
bool displayAvailable() {
    return true;
}
#endif

} // namespace compat
