// Placeholder translation unit until the image loaders land.
