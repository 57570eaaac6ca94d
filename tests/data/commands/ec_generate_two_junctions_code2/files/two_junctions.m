Model {
  Name "two_junctions"
  StopTime "10"
  System {
    Name "two_junctions"
    Block {
      BlockType Sum
      Name "1sum"
      Position [100, 40, 125, 65]
      Inputs ""
    }
    Block {
      BlockType Sum
      Name "2sum"
      Position [200, 40, 225, 65]
      Inputs ""
    }
  }
}
