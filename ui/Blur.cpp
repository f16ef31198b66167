// The blurred backdrop: one shader pass, paid once when an overlay screen opens.
#include "ui/Blur.hpp"

#include "app/GameContext.hpp"

sf::Texture windowSnapshot() {
    sf::Texture snapshot;
    snapshot.create(unsigned(game::screenWidth), unsigned(game::screenHeight));
    snapshot.update(game::window);
    return snapshot;
}

sf::Texture blurTexture(const sf::Texture& source) {
    sf::RenderTexture target;
    target.create(source.getSize().x, source.getSize().y);
    game::blurShader.setUniform("texture", source);
    game::blurShader.setUniform("resolution", sf::Vector2f(game::screenWidth, game::screenHeight));
    game::blurShader.setUniform("radius", 7.0f);
    const sf::Sprite sprite(source);
    target.clear(sf::Color(0, 0, 0, 255));
    target.draw(sprite, sf::RenderStates(&game::blurShader));
    target.display();
    return target.getTexture();
}

sf::Sprite backdropSprite(const sf::Texture& blurred) {
    const sf::IntRect picture = game::window.getViewport(game::hudView);
    sf::Sprite sprite(blurred, picture);
    sprite.setScale(1920.0f / float(picture.width), 1080.0f / float(picture.height));
    return sprite;
}
