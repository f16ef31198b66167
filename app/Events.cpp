// The event pump.
#include "app/Events.hpp"

#include "app/Display.hpp"
#include "app/GameContext.hpp"
#include "platform/Input.hpp"
#include "platform/SfmlCompat.hpp"

#include <cstdlib>

void pollWindowEvents() {
    compat::WindowEvent event;
    while (compat::pollEvent(game::window, event)) {
        if (event.kind == compat::WindowEvent::Closed) {
            game::window.close();
            std::exit(0);
        }
        if (event.kind == compat::WindowEvent::Resized) {
            game::screenWidth = float(event.size.x);
            game::screenHeight = float(event.size.y);
            fitViewsToWindow();
        }
    }
    input::endFrame();
}
