// The skin screen: three sliders mix the player's colour, shown on a tinted preview;
// once the Zev Azirid is beaten, a toggle switches the rainbow skin of the runs.
#include "screens/SkinScreen.hpp"

#include "app/Display.hpp"
#include "app/Events.hpp"
#include "app/GameContext.hpp"
#include "persistence/SaveData.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"
#include "ui/Button.hpp"
#include "ui/FocusRing.hpp"
#include "ui/Slider.hpp"
#include "ui/Text.hpp"
#include "ui/Toggle.hpp"

#include <cstdint>

namespace {

// The player's sprite in the saved colour, centred at (960, 290).
compat::Sprite makePreview() {
    compat::Sprite preview(game::playerTexture);
    const sf::FloatRect previewBounds = preview.getLocalBounds();
    preview.setOrigin({compat::width(previewBounds) * 0.5f, compat::height(previewBounds) * 0.5f});
    preview.setPosition({960, 290});
    preview.setColor(game::saveData.playerColor);
    return preview;
}

} // namespace

void skinScreen() {
    const input::ScreenScope scope; // a press held from the screen before waits for a release
    std::int32_t red = game::saveData.playerColor.r;
    std::int32_t green = game::saveData.playerColor.g;
    std::int32_t blue = game::saveData.playerColor.b;

    compat::Sprite preview = makePreview();

    // 765 units for 256 values: three units a step, so every value can be reached.
    Slider redSlider(960, 520, 765, 20, 0, 255, &red, sf::Color::White, sf::Color(255, 0, 0, 255), 6);
    Slider greenSlider(960, 720, 765, 20, 0, 255, &green, sf::Color::White, sf::Color(0, 255, 0, 255), 6);
    Slider blueSlider(960, 920, 765, 20, 0, 255, &blue, sf::Color::White, sf::Color(0, 0, 255, 255), 6);

    const compat::Text rgbLabel = makeSideLabel("Rgb Skin:", 320, 720);
    Toggle rainbow(400, 720, 100, 100, 10, sf::Color(255, 255, 0, 255), sf::Color(255, 150, 0),
                   &game::saveData.rgbSkinEnabled);

    Button back(120, 120, 120, 100, "<", sf::Color::White, 4);
    // The rainbow toggle stands left of the green slider, on its line.
    FocusRing focusRing = game::saveData.rgbSkinUnlocked
                              ? FocusRing(back, redSlider, rainbow, greenSlider, blueSlider)
                              : FocusRing(back, redSlider, greenSlider, blueSlider);

    while (true) {
        game::frameTime = game::frameClock.restart().asSeconds();
        focusRing.update();

        for (Slider* slider : {&redSlider, &greenSlider, &blueSlider})
            slider->update();
        back.updateHover();
        // Until the boss is beaten the toggle is neither shown nor pressable.
        if (game::saveData.rgbSkinUnlocked)
            rainbow.update();

        game::saveData.playerColor = sf::Color(std::uint8_t(red & 0xFF), std::uint8_t(green & 0xFF),
                                               std::uint8_t(blue & 0xFF), 255);
        preview.setColor(game::saveData.playerColor);

        if (input::hasFocus(game::window)) {
            if (back.isClicked() || input::backHeld())
                return;
        }

        pollWindowEvents();

        // Drawn in whatever view is current: the main menu leaves hudView set.
        game::window.clear(backgroundColour);
        for (const Slider* slider : {&redSlider, &greenSlider, &blueSlider})
            slider->draw(game::window);
        if (game::saveData.rgbSkinUnlocked) {
            rainbow.draw(game::window);
            game::window.draw(rgbLabel);
        }
        game::window.draw(preview);
        back.draw(game::window);
        game::window.display();
    }
}
