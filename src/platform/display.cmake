# Display backends: headless and SDL2.
target_sources(platform PRIVATE
)
