// Placeholder translation unit until the editor lands.
