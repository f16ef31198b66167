// How long one pass of the blur shader takes over a full 1920 x 1080 window, the
// way the pause menu and the death screen run it when they open. Not a test: run it
// under the display you care about (Xvfb gives Mesa's software renderer) from the
// repository root:
//   xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" build/bench/blur_benchmark
#include "platform/SfmlCompat.hpp"

#include <SFML/Graphics.hpp>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double medianMilliseconds(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

} // namespace

int main() {
    sf::RenderWindow window;
    compat::createWindow(window, {1920, 1080}, false, "blur benchmark", sf::ContextSettings());
    sf::Shader shader;
    if (!shader.loadFromFile("Assets/Shaders/blur.frag", sf::Shader::Type::Fragment))
        return 1;
    // Thin stripes, so no pass can skip work on flat colour.
    sf::Image picture = compat::makeImage({1920, 1080}, sf::Color(40, 80, 120));
    for (unsigned y = 0; y < 1080; y += 7)
        for (unsigned x = 0; x < 1920; x++)
            compat::setPixel(picture, x, y, sf::Color::White);
    sf::Texture source;
    if (!source.loadFromImage(picture))
        return 1;

    sf::RenderTexture target;
    if (!compat::resize(target, {1920, 1080}))
        return 1;
    std::vector<double> withBlur, plainCopy;
    for (int run = 0; run < 15; run++) {
        for (bool blur : {true, false}) {
            sf::Clock clock;
            shader.setUniform("texture", source);
            shader.setUniform("resolution", sf::Vector2f(1920, 1080));
            shader.setUniform("radius", 7.0f);
            target.clear(sf::Color::Black);
            target.draw(compat::Sprite(source), blur ? sf::RenderStates(&shader) : sf::RenderStates::Default);
            target.display();
            const sf::Texture result = target.getTexture(); // the copy the screens keep
            (blur ? withBlur : plainCopy).push_back(clock.getElapsedTime().asSeconds() * 1000.0);
        }
    }
    std::printf("one blur pass, 1920 x 1080: median %.1f ms (the same draw without the shader: %.1f ms)\n",
                medianMilliseconds(withBlur), medianMilliseconds(plainCopy));
    return 0;
}
