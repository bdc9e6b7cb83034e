// placeholder, filled in by the component it belongs to
