// The blurred backdrop: one shader pass, paid once when an overlay screen opens.
#include "ui/Blur.hpp"

#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "platform/SfmlCompat.hpp"

// Sized by the window itself, as the backdrop is cut by it: the size the game last
// recorded may lag behind the window's, and would shift the backdrop.
sf::Texture windowSnapshot() {
    sf::Texture snapshot;
    (void)compat::resize(snapshot, game::window.getSize());
    snapshot.update(game::window);
    return snapshot;
}

sf::Texture blurTexture(const sf::Texture& source) {
    sf::RenderTexture target;
    (void)compat::resize(target, source.getSize());
    game::blurShader.setUniform("texture", source);
    game::blurShader.setUniform("resolution", sf::Vector2f(source.getSize()));
    game::blurShader.setUniform("radius", 7.0f);
    const compat::Sprite sprite(source);
    target.clear(sf::Color(0, 0, 0, 255));
    target.draw(sprite, sf::RenderStates(&game::blurShader));
    target.display();
    return target.getTexture();
}

compat::Sprite backdropSprite(const sf::Texture& blurred) {
    const sf::IntRect picture = game::window.getViewport(game::hudView);
    compat::Sprite sprite(blurred, picture);
    sprite.setScale({1920.0f / float(compat::width(picture)), 1080.0f / float(compat::height(picture))});
    return sprite;
}

void drawOverlay(const compat::Sprite& backdrop, const sf::RectangleShape& panel, const compat::Text& title) {
    beginScreenPicture();
    game::window.draw(backdrop);
    game::window.draw(panel);
    game::window.draw(title);
}
