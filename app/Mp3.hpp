// The boss theme is an MP3, decoded whole into a sound buffer.
#pragma once

#include <SFML/Audio/SoundBuffer.hpp>
#include <string>

// False, with the buffer untouched, when the file is missing or not an MP3.
bool loadMp3(sf::SoundBuffer& buffer, const std::string& path);
