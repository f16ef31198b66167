// The pool of positional sound effects.
#include "run/SoundPool.hpp"

#include "app/GameContext.hpp"
#include "platform/GameRandom.hpp"
#include "platform/SfmlCompat.hpp"

#include <algorithm>

void SoundPool::play(const sf::SoundBuffer& buffer, sf::Vector2f sourcePosition,
                     sf::Vector2f listenerPosition) {
    sounds.erase(std::remove_if(sounds.begin(), sounds.end(),
                                [](const std::shared_ptr<compat::Sound>& sound) {
                                    return sound->getStatus() == sf::SoundSource::Status::Stopped;
                                }),
                 sounds.end());
    const int r = gameRandom(); // drawn even when the sound is dropped

    // The arena's plane is the audio space's x-z plane.
    sf::Listener::setPosition({listenerPosition.x, 0, listenerPosition.y});
    sf::Listener::setDirection({0, 0, -1});
    if (std::int32_t(sounds.size()) >= maxSounds)
        return;

    auto sound = std::make_shared<compat::Sound>(buffer);
    sound->setVolume(float(game::audioVolume));
    sound->setPitch(float(r % 3 + 9) / 10.0f);
    sound->setPosition({sourcePosition.x, 0, sourcePosition.y});
    sound->setAttenuation(0.0005f);
    sound->play();
    sounds.push_back(std::move(sound));
}
