// The boss theme, streamed from its file while it plays instead of decoded whole:
// the few calls the game makes of a sound, over SFML's music on 2.6 and over
// libmpg123 on 2.5, which cannot read MP3.
#pragma once

#include <SFML/Audio/SoundStream.hpp>
#include <memory>
#include <string>

class MusicStream {
public:
    // False when the file cannot be opened; then play() stays silent.
    bool openFromFile(const std::string& path);
    // From the start when stopped (also after playing to the end), from where it
    // paused when paused.
    void play();
    void pause();
    // Also rewinds to the start.
    void stop();
    sf::SoundSource::Status getStatus() const;
    void setVolume(float volume);
    float getVolume() const; // what the open theme plays at
    sf::Time getPlayingOffset() const;
    // Moves a playing or paused theme to the offset from its start.
    void setPlayingOffset(sf::Time offset);

private:
    std::unique_ptr<sf::SoundStream> stream; // the open theme, or none
    float volume = 100;                      // 0 to 100, kept for a theme opened later
};
